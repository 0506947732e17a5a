// A whole run over an arbitrary parameter file and an arbitrary digit table: open, one or two
// builds and a save, through the program's own reader, loader, build action and writer.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "BuildModel.h"
#include "FuzzCheck.h"
#include "ReferenceLines.h"
#include "builder/BuildAction.h"
#include "files/DigitTableLoader.h"
#include "files/ParameterFileReader.h"
#include "files/SymbolFileWriter.h"
#include "framework/Exceptions.h"
#include "framework/FolderItem.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"
#include "support/TempFolder.h"

namespace {

using framework::Int32;
using fuzz::ExpectedFailure;
using fuzz::Fail;
using fuzz::Require;
using Module1::kDigitTableBound;
using Module1::kOutputRecordBound;
using Module1::kParameterLineBound;

constexpr std::string_view kOldSymbolFile = "the symbol file before the save\n";

// The program folder of the run, where the digit table is looked for; one per process.
class Workspace {
 public:
  Workspace() { framework::SetProgramFolder(folder_.Path()); }

  std::filesystem::path Write(const std::string& name, std::string_view bytes) const {
    return folder_.Write(name, std::string(bytes));
  }

  // A table that cannot be read even by root: a folder in its place.
  void PutDigitTable(fuzz::DigitTableOnDisk::State state, std::string_view bytes) const {
    const auto table = folder_.Path() / files::kDigitTableName;
    std::filesystem::remove_all(table);
    if (state == fuzz::DigitTableOnDisk::State::Present) Write(files::kDigitTableName, bytes);
    if (state == fuzz::DigitTableOnDisk::State::Unreadable) std::filesystem::create_directory(table);
  }

 private:
  TempFolder folder_;
};

// The first byte chooses what happens, the rest is the parameter file and, after the first
// NUL byte, the digit table.
struct Scenario {
  fuzz::DigitTableOnDisk::State tableState = fuzz::DigitTableOnDisk::State::Present;
  bool cancelOpen = false;
  bool buildTwice = false;
  bool save = false;
  std::string_view parameterFile;
  std::string_view digitTable;
};

Scenario Decode(const std::uint8_t* data, std::size_t size) {
  Scenario scenario;
  if (size == 0) return scenario;
  const std::uint8_t flags = data[0];
  constexpr fuzz::DigitTableOnDisk::State kStates[] = {
      fuzz::DigitTableOnDisk::State::Present, fuzz::DigitTableOnDisk::State::Missing,
      fuzz::DigitTableOnDisk::State::Unreadable, fuzz::DigitTableOnDisk::State::Present};
  scenario.tableState = kStates[flags & 3u];
  scenario.buildTwice = (flags & 4u) != 0;
  scenario.save = (flags & 8u) != 0;
  scenario.cancelOpen = (flags & 0x70u) == 0x70u;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t split = rest.find('\0');
  scenario.parameterFile = rest.substr(0, split);
  if (split != std::string_view::npos) scenario.digitTable = rest.substr(split + 1);
  return scenario;
}

// Every fault of a run tells a person what stopped, in a sentence that names the line its
// details end with, as " (<input> line N)".
void RequireExplained(const framework::RuntimeException& error) {
  std::string sentence = error.Explanation();
  Require(!sentence.empty(), "a fault has no sentence for the person");
  const std::string_view what = error.what();
  if (!what.ends_with(")")) return;
  const std::size_t number = what.rfind(' ') + 1;
  const std::string named = "line " + std::string(what.substr(number, what.size() - 1 - number));
  std::transform(sentence.begin(), sentence.end(), sentence.begin(),
                 [](unsigned char letter) { return static_cast<char>(std::tolower(letter)); });
  for (auto at = sentence.find(named); at != std::string::npos; at = sentence.find(named, at + 1)) {
    const std::size_t after = at + named.size();
    if (after == sentence.size() || std::isdigit(static_cast<unsigned char>(sentence[after])) == 0) return;
  }
  Fail("the sentence does not name the " + named + " of its details: " + sentence);
}

// Every exception must be the framework's; anything else ends the run.
template <typename Action>
std::optional<ExpectedFailure> Press(Action&& action) {
  try {
    action();
    return std::nullopt;
  } catch (const framework::OutOfBoundsException& error) {
    RequireExplained(error);
    return ExpectedFailure{error.ClassName(), error.Index(), error.UpperBound()};
  } catch (const framework::RuntimeException& error) {
    RequireExplained(error);
    return ExpectedFailure{error.ClassName(), 0, 0};
  } catch (const std::exception& error) {
    Fail(std::string("an exception that is not the framework's: ") + error.what());
  } catch (...) {
    Fail("an exception of no known type");
  }
}

void RequireFailure(const std::optional<ExpectedFailure>& actual, const std::optional<ExpectedFailure>& expected,
                    const char* where) {
  if (actual == expected) return;
  const auto describe = [](const std::optional<ExpectedFailure>& failure) {
    return failure ? failure->className + "(" + std::to_string(failure->index) + ", " +
                         std::to_string(failure->upperBound) + ")"
                   : std::string("no exception");
  };
  Fail(std::string(where) + ": " + describe(actual) + " where " + describe(expected) + " belongs");
}

const framework::String& Record(Int32 index) { return (*Module1::gStringArray)(index); }

Int32 StoredRecords() { return std::min(Module1::ginc, kOutputRecordBound); }

// Copies each record when it first shows, so that any later change to it is caught.
class RecordWatch {
 public:
  void CatchUp() {
    for (auto index = static_cast<Int32>(seen_.size()) + 1; index <= StoredRecords(); ++index)
      seen_.push_back(Record(index));
  }
  void RequireUnchanged() const {
    for (std::size_t k = 0; k < seen_.size(); ++k)
      Require(Record(static_cast<Int32>(k) + 1) == seen_[k], "a stored record changed");
    for (Int32 index = StoredRecords() + 1; index <= kOutputRecordBound; ++index)
      Require(Record(index).empty(), "a record was stored beyond ginc");
  }
  std::string Joined() const {
    std::string all;
    for (const auto& record : seen_) all += record;
    return all;
  }

 private:
  std::vector<std::string> seen_;
};

class Host : public builder::BuildHost {
 public:
  explicit Host(RecordWatch& watch) : watch_(watch) {}
  void LoadNumbers() override { files::LoadDigitTable(); }
  void ShowLine(const builder::LineShown& line) override {
    symbolNumberShown = line.symbolNumber;
    // Once a line: every record of the lines before it is stored by now.
    watch_.CatchUp();
  }
  void BuildDone(Int32 symbolsWritten) override { buildsDone.push_back(symbolsWritten); }
  framework::String symbolNumberShown;
  std::vector<Int32> buildsDone;

 private:
  RecordWatch& watch_;
};

// The lines held at indexes 1 to the count (past an overflow, the ones that fitted).
void RequireStoredLines(const framework::StringArray& array, Int32 count, const std::vector<std::string>& lines) {
  const Int32 bound = array.UpperBound();
  const Int32 held = std::min(count, bound);
  Require(static_cast<std::size_t>(held) == std::min<std::size_t>(lines.size(), static_cast<std::size_t>(bound)),
          "the count does not match the lines of the file");
  for (Int32 index = 1; index <= held; ++index)
    Require(array(index) == lines[static_cast<std::size_t>(index - 1)], "a stored line differs from the file's");
}

std::optional<ExpectedFailure> Overflow(std::size_t lineCount) {
  if (lineCount <= kParameterLineBound) return std::nullopt;
  return ExpectedFailure{"OutOfBoundsException", kParameterLineBound + 1, kParameterLineBound};
}

// The state of a program just started. The arrays are made once per process, as start-up makes
// them, and each run empties what it used: making them anew costs a tenth of the speed.
void StartFresh() {
  if (!Module1::gStringArray) Module1::Initialize();
  Module1::ginc = 0;
  Module1::total = 0;
  Module1::gNumTotal = 0;
}

void ClearUsedElements() {
  for (Int32 index = 1; index <= StoredRecords(); ++index) Module1::gStringArray->Store(index, {});
  for (Int32 index = 1; index <= kParameterLineBound; ++index) Module1::gSymbolParameters->Store(index, {});
  for (Int32 index = 1; index <= kDigitTableBound; ++index) Module1::gNumbers->Store(index, {});
}

class Session {
 public:
  Session(const Workspace& workspace, const Scenario& scenario) : workspace_(workspace), scenario_(scenario) {
    StartFresh();
    table_.state = scenario.tableState;
    if (table_.state == fuzz::DigitTableOnDisk::State::Present)
      table_.lines = fuzz::SplitReferenceLines(scenario.digitTable).AllLines();
    workspace.PutDigitTable(scenario.tableState, scenario.digitTable);
  }
  ~Session() { ClearUsedElements(); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void Open() {
    std::optional<ExpectedFailure> failure;
    std::vector<std::string> lines;
    if (scenario_.cancelOpen) {
      Module1::total = 0;  // as the window does before its dialog: the lines held stay, none in use
    } else {
      const auto file = workspace_.Write("parameters.txt", scenario_.parameterFile);
      failure = Press([&] { files::ReadParameterFile(std::make_shared<framework::FolderItem>(file)); });
      lines = fuzz::SplitReferenceLines(scenario_.parameterFile).AllLines();
    }
    RequireFailure(failure, Overflow(lines.size()), "open");
    Require(Module1::total == static_cast<Int32>(std::min<std::size_t>(lines.size(), kParameterLineBound + 1)),
            "total is not the number of lines read");
    RequireStoredLines(*Module1::gSymbolParameters, Module1::total, lines);
    lines.resize(std::min<std::size_t>(lines.size(), kParameterLineBound));
    parameterLines_ = std::move(lines);
  }

  void Build() {
    const Int32 gincBefore = Module1::ginc;
    const auto expected = fuzz::PredictBuild(parameterLines_, Module1::total, table_, gincBefore);
    const std::size_t buildsDoneBefore = host_.buildsDone.size();
    const framework::String symbolNumberBefore = host_.symbolNumberShown;
    watch_.CatchUp();

    RequireFailure(Press([this] { builder::RunBuild(host_); }), expected.failure, "build");
    Require(Module1::ginc == expected.ginc, "ginc is not the number of records appended");
    Require(Module1::gNumTotal == expected.gNumTotal, "gNumTotal is not the number of table lines");
    if (table_.state == fuzz::DigitTableOnDisk::State::Present)
      RequireStoredLines(*Module1::gNumbers, Module1::gNumTotal, table_.lines);
    const Int32 firstNew = std::min(gincBefore, kOutputRecordBound) + 1;
    Require(static_cast<std::size_t>(StoredRecords() - firstNew + 1) == expected.records.size(),
            "the build stored another number of records");
    for (Int32 index = firstNew; index <= StoredRecords(); ++index)
      fuzz::CheckRecord(Record(index), expected.records[static_cast<std::size_t>(index - firstNew)]);
    if (expected.failure) {
      Require(host_.buildsDone.size() == buildsDoneBefore, "a failed build told that it was done");
    } else {
      Require(host_.buildsDone.size() == buildsDoneBefore + 1 && host_.buildsDone.back() == expected.symbols,
              "the count of symbols written is wrong");
    }
    Require(host_.symbolNumberShown == expected.label2.value_or(symbolNumberBefore),
            "the number shown is not the last line's");
    watch_.CatchUp();
  }

  // Over an existing file, which only a complete save may replace.
  void Save() {
    const auto path = workspace_.Write("symbols.dat", kOldSymbolFile);
    const auto file = std::make_shared<framework::FolderItem>(path);
    const Int32 gincBefore = Module1::ginc;
    std::optional<ExpectedFailure> expected;
    if (Module1::ginc > kOutputRecordBound)
      expected = ExpectedFailure{"OutOfBoundsException", kOutputRecordBound + 1, kOutputRecordBound};
    RequireFailure(Press([&] { files::SaveSymbolFile(file); }), expected, "save");
    Require(ReadBytes(path) == (expected ? std::string(kOldSymbolFile) : watch_.Joined()),
            "the symbol file is neither the stored records nor, after a failed save, the file before");
    Require(Module1::ginc == gincBefore, "the save changed ginc");
  }

  // A record changed after it was first seen stays changed, so one look at the end finds it.
  void Finish() const { watch_.RequireUnchanged(); }

 private:
  const Workspace& workspace_;
  const Scenario& scenario_;
  framework::ScriptedBackend backend_;
  RecordWatch watch_;
  Host host_{watch_};
  fuzz::DigitTableOnDisk table_;
  std::vector<std::string> parameterLines_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Workspace workspace;
  const Scenario scenario = Decode(data, size);
  Session session(workspace, scenario);
  session.Open();
  session.Build();
  if (scenario.buildTwice) session.Build();
  if (scenario.save) session.Save();
  session.Finish();
  return 0;
}
