// Faults in the middle of a run, through the buttons of the main window: each is reported when
// it leaves its handler, in a warning that says what stopped, where and what to do; nothing stored
// is lost, and the window stays usable.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/DigitTableLoader.h"
#include "framework/FolderItem.h"
#include "framework/Lifecycle.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"
#include "support/TempFolder.h"
#include "ui/MainMenuBar.h"
#include "ui/Window1.h"

namespace {

namespace fs = std::filesystem;

const std::string kHeading = "Symbol parameters\n";
const std::string kDigitTable = "1,0,0.25,3\n1,1,0.25,2\n7,1,0,3\n7,1,0.5,2\n7,0,0.25,2\n";
const std::string kDone = "Done, Now Save File  Total # of Symbols = ";
const std::string kOutOfBounds = "An exception of class OutOfBoundsException was not handled: ";
const std::string kIOException = "An exception of class IOException was not handled: ";
const std::string kRuntime = "An exception of class RuntimeException was not handled: ";
const std::string kSavedBefore = "the symbols saved before\n";

// A box as a person saw it.
struct Box {
  enum class Kind { None, Plain, Warning };
  Kind kind = Kind::None;
  std::string text;     // of a warning, the sentence that leads it
  std::string details;  // the technical line
};

// What the box says of the fault: the technical line of a warning, the text of a plain box.
std::string Technical(const Box& box) { return box.kind == Box::Kind::Warning ? box.details : box.text; }

std::string Lowered(std::string text) {
  for (char& letter : text) letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  return text;
}

std::string Repeated(const std::string& line, int count) {
  std::string text;
  for (int k = 0; k < count; ++k) text += line;
  return text;
}

class ProgramFaultsTest : public testing::Test {
 protected:
  void SetUp() override {
    framework::RuntimeInit();
    Module1::Initialize();
    programFolder_ = framework::ProgramFolder();
    framework::SetProgramFolder(folder.Path());
    window = Window1::ImplicitInstance();
  }
  void TearDown() override {
    window.reset();
    MainMenuBar::ReleaseImplicitInstance();
    framework::SetProgramFolder(programFolder_);
    Module1::Finalize();
    framework::RuntimeExit();
  }

  // Each press gives the box it showed, or none.
  Box Open(const std::string& bytes) { return OpenPath(folder.Write("parameters.txt", bytes)); }
  Box OpenPath(const fs::path& file) {
    backend.AnswerNextDialog(std::make_shared<framework::FolderItem>(file));
    return Pressed(*window->PushButton1());
  }
  Box Build() { return Pressed(*window->PushButton13()); }
  Box Save() { return SaveTo(SymbolFile()); }
  Box SaveTo(const fs::path& file) {
    backend.AnswerNextDialog(std::make_shared<framework::FolderItem>(file));
    return Pressed(*window->PushButton10());
  }

  fs::path ParameterFile() const { return folder.Path() / "parameters.txt"; }
  fs::path SymbolFile() const { return folder.Path() / "symbols.dat"; }
  fs::path DigitTable() const { return folder.Path() / files::kDigitTableName; }
  fs::path Pipe() const { return folder.Path() / "pipe"; }

  std::string StoredRecords() const {
    std::string all;
    for (framework::Int32 index = 1; index <= std::min(Module1::ginc, Module1::kOutputRecordBound); ++index)
      all += (*Module1::gStringArray)(index);
    return all;
  }

  TempFolder folder;
  framework::ScriptedBackend backend;
  std::shared_ptr<Window1> window;

 private:
  Box Pressed(framework::PushButton& button) {
    const std::size_t messagesBefore = backend.messages.size();
    const std::size_t reportsBefore = backend.reports.size();
    backend.Press(button);
    const std::size_t messages = backend.messages.size() - messagesBefore;
    const std::size_t reports = backend.reports.size() - reportsBefore;
    EXPECT_LE(messages + reports, 1U) << "one press, one box at most";
    if (reports != 0) return {Box::Kind::Warning, backend.reports.back().sentence, backend.reports.back().details};
    if (messages != 0) return {Box::Kind::Plain, backend.messages.back(), {}};
    return {};
  }

  fs::path programFolder_;
};

// Open, build, the fault, build again, save; then the fault is lifted and one more symbol is
// opened, built and saved.
TEST_F(ProgramFaultsTest, AFaultIsReportedWhereItHappensAndEverythingStoredBeforeItStays) {
  const struct {
    const char* name;
    std::string parameterFile;
    std::function<void(const fs::path& table)> fault;
    std::vector<std::string> messages;  // of open, build, build, save; each the start of the text
    framework::Int32 ginc;              // after the second build
  } cases[] = {
      // 13 circles of 364 records, then the 5001st record in the middle of the 14th.
      {"5001st record mid-symbol",
       kHeading + Repeated("1,big,512,10,20,circle,40,0\n", 14),
       nullptr,
       {"", kOutOfBounds + "index 5001 is outside the bounds 0 to 5000",
        kOutOfBounds + "index 5002 is outside the bounds 0 to 5000", kOutOfBounds + "index 5001 "},
       5002},
      // Lines 2 to 500 are built, then the 501st that was never stored is asked for.
      {"501-line parameter file",
       kHeading + Repeated("1,d,512,10,20,dot,2,0\n", 500),
       nullptr,
       {kOutOfBounds + "index 501 is outside the bounds 0 to 500", kOutOfBounds + "index 501 ",
        kOutOfBounds + "index 501 ", ""},
       2 * 499 * 4},
      // chmod 000 stops no one running as root, as CI does; a folder in its place stops everyone.
      {"digit table replaced by a folder",
       kHeading + "17,n,512,30,20,URN,2,0\n",
       [](const fs::path& table) { fs::remove(table), fs::create_directory(table); },
       {"", kDone + "1", kIOException + "cannot open ", ""},
       8},
      // The process's own memory at address 0 opens, and every read of it fails.
      {"digit table read error",
       kHeading + "17,n,512,30,20,URN,2,0\n",
       [](const fs::path& table) { fs::remove(table), fs::create_symlink("/proc/self/mem", table); },
       {"", kDone + "1", kIOException + "cannot read ", ""},
       8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Module1::Initialize();
    folder.Write(files::kDigitTableName, kDigitTable);
    folder.Write("symbols.dat", kSavedBefore);

    std::vector<Box> boxes{Open(c.parameterFile), Build()};
    if (c.fault) c.fault(DigitTable());
    boxes.push_back(Build());
    boxes.push_back(Save());
    for (std::size_t k = 0; k < c.messages.size(); ++k) {
      EXPECT_TRUE(Technical(boxes[k]).starts_with(c.messages[k])) << Technical(boxes[k]);
      const bool closing = c.messages[k].starts_with(kDone);
      EXPECT_EQ(boxes[k].kind, c.messages[k].empty() ? Box::Kind::None
                               : closing             ? Box::Kind::Plain
                                                     : Box::Kind::Warning);
    }
    EXPECT_EQ(Module1::ginc, c.ginc);
    // A save that fails leaves the file saved before.
    const bool saveFailed = boxes[3].kind != Box::Kind::None;
    EXPECT_EQ(ReadBytes(SymbolFile()), saveFailed ? kSavedBefore : StoredRecords())
        << "the save wrote every stored record, unchanged";
    if (c.ginc > Module1::kOutputRecordBound) {
      EXPECT_NE((*Module1::gStringArray)(5000), "99.0000 99.0000 3\n") << "the last symbol stops without its end";
    }

    fs::remove_all(DigitTable());
    folder.Write(files::kDigitTableName, kDigitTable);
    const framework::Int32 before = Module1::ginc;
    EXPECT_EQ(Open(kHeading + "5,again,512,10,20,dot,2,0\n").kind, Box::Kind::None);
    const Box build = Build();
    if (before < Module1::kOutputRecordBound) {
      EXPECT_EQ(build.text, kDone + "1");
      EXPECT_EQ(build.kind, Box::Kind::Plain);
      EXPECT_EQ(Module1::ginc, before + 4);
    } else {
      EXPECT_TRUE(build.details.starts_with(kOutOfBounds)) << "a full array fails every later append";
    }
    const bool saved = Save().kind == Box::Kind::None;
    EXPECT_EQ(saved, Module1::ginc <= Module1::kOutputRecordBound);
    EXPECT_EQ(ReadBytes(SymbolFile()), saved ? StoredRecords() : kSavedBefore);
  }
}

// Every fault a person can meet, as the window reports it: a warning that leads with the facts
// to act on, over the technical line; each case starts a fresh run.
TEST_F(ProgramFaultsTest, EachReportLeadsWithWhatStoppedWhereAndWhatToDo) {
  const std::string dot = "1,d,512,10,20,dot,2,0\n";
  const std::string circle = "1,big,512,10,20,circle,40,0\n";
  const std::string number = "17,n,512,30,20,URN,2,0\n";
  const auto quoted = [](const fs::path& file) { return std::string(1, '"').append(file.string()).append(1, '"'); };
  const std::string toFill = "at most 5000 output records";
  const std::string noMore = "Nothing more can be built or saved in this run; restart the program";
  const struct {
    const char* name;
    std::function<Box()> steps;  // the last press is the one that reports
    std::string details;         // its start
    std::vector<std::string> facts;
  } cases[] = {
      {"a line of seven fields",
       [&] { return Open(kHeading + dot + "2,b,512,30,20,dot,4\n"), Build(); },
       kOutOfBounds + "index 7 is outside the bounds 0 to 6 (parameter line 3)",
       {"Parameter line 3 has 7 fields; a symbol needs 8 fields: number, description, plate ID, latitude, longitude, "
        "kind, size, bearing.",
        "The symbols above it are built"}},
      {"a blank line",
       [&] { return Open(kHeading + dot + "\n" + dot), Build(); },
       kOutOfBounds + "index 1 is outside the bounds 0 to 0 (parameter line 3)",
       {"Parameter line 3 is blank; a symbol needs 8 fields"}},
      {"a file of 501 lines, at its open",
       [&] { return Open(kHeading + Repeated(dot, 500)); },
       kOutOfBounds + "index 501 is outside the bounds 0 to 500",
       {"Parameter file " + quoted(ParameterFile()) + " has a line 501, past the 500 it may hold",
        "Only its first 500 lines are read", "lines 2 to 500"}},
      {"a file of 501 lines, at its build",
       [&] { return Open(kHeading + Repeated(dot, 500)), Build(); },
       kOutOfBounds + "index 501 is outside the bounds 0 to 500 (parameter line 501)",
       {"Parameter line 501 was not read", "only the first 500 lines", "lines 2 to 500 are built"}},
      {"the records full, at the build that fills them",
       [&] { return Open(kHeading + Repeated(circle, 14)), Build(); },
       kOutOfBounds + "index 5001 is outside the bounds 0 to 5000 (parameter line 15)",
       {toFill, "parameter line 15 did not fit", noMore}},
      {"the records full, at a later build",
       [&] { return Open(kHeading + Repeated(circle, 14)), Build(), Open(kHeading + dot), Build(); },
       kOutOfBounds + "index 5002 is outside the bounds 0 to 5000 (parameter line 2)",
       {toFill, "parameter line 2 did not fit", noMore}},
      // 13 circles and 66 dots take 4996 records; the 5001st is the second point of the 7.
      {"the records full, in the middle of a number",
       [&] { return Open(kHeading + Repeated(circle, 13) + Repeated(dot, 66) + number), Build(); },
       kOutOfBounds + "index 5001 is outside the bounds 0 to 5000 (parameter line 81)",
       {toFill, "parameter line 81 did not fit", noMore}},
      {"the records full, at a save",
       [&] { return Open(kHeading + Repeated(circle, 14)), Build(), Save(); },
       kOutOfBounds + "index 5001 is outside the bounds 0 to 5000",
       {toFill, "nothing can be saved in it", "no symbol file " + quoted(SymbolFile()) + " was created",
        "Restart the program"}},
      {"a latitude beyond a double's range",
       [&] { return Open(kHeading + dot + "2,b,512,1e309,20,dot,2,0\n"), Build(); },
       kRuntime + "latitude \"1e309\" is beyond the range of a double (parameter line 3)",
       {"Parameter line 3 has the latitude \"1e309\", a number past the largest that a symbol can be built with",
        "The symbols above it are built"}},
      {"a square whose side lies past the largest longitude",
       [&] {
         const std::string largest = "1.7976931348623157e308";
         return Open(kHeading + dot + "2,b,512,0," + largest + ",square," + largest + ",0\n"), Build();
       },
       kRuntime + "a vertex came out at latitude nan, longitude nan (parameter line 3)",
       {"Parameter line 3 describes a symbol whose outline cannot be computed", "The symbols above it are built"}},
      {"a plate ID that is not whole",
       [&] { return Open(kHeading + dot + "2,b,512.7,30,20,dot,2,0\n"), Build(); },
       kRuntime + "plate ID \"512.7\" lies within 100 to 999 but is not a whole number (parameter line 3)",
       {"Parameter line 3 has the plate ID \"512.7\", which is not a whole number",
        "a plate ID is a whole number from 100 to 999", "The symbols above it are built"}},
      {"a glyph coordinate beyond a double's range",
       [&] {
         return folder.Write(files::kDigitTableName, "1,0,0.25,3\n1,1,0.25,2\n2,0,0,3\n2,1,1e309,2\n"),
                Open(kHeading + "-12,n,512,30,20,URN,2,0\n"), Build();
       },
       kRuntime + "east-west coordinate \"1e309\" is beyond the range of a double (digit table line 4)",
       {"Line 4 of the digit table Numbers0_9v3.csv has the east-west coordinate \"1e309\"",
        "mend the table, then restart the program and build again"}},
      {"a digit-table line of two fields",
       [&] { return folder.Write(files::kDigitTableName, "1,0,0.25,3\n7,1\n"), Open(kHeading + number), Build(); },
       kOutOfBounds + "index 2 is outside the bounds 0 to 1 (digit table line 2)",
       {"Line 2 of the digit table Numbers0_9v3.csv has 2 fields; each line needs 4 fields: digit, north-south, "
        "east-west, pen code."}},
      {"a digit table of 501 lines",
       [&] { return folder.Write(files::kDigitTableName, Repeated("1,0,0,3\n", 501)), Open(kHeading + dot), Build(); },
       kOutOfBounds + "index 501 is outside the bounds 0 to 500 (digit table line 501)",
       {"Digit table " + quoted(DigitTable()) + " has a line 501, past the 500 it may hold", "No symbol was built"}},
      {"a digit table that cannot be opened",
       [&] { return fs::remove(DigitTable()), fs::create_directory(DigitTable()), Open(kHeading + dot), Build(); },
       kIOException + "cannot open ",
       {"Digit table " + quoted(DigitTable()) + " could not be opened: Is a directory.", "No symbol was built"}},
      {"a digit table that cannot be read",
       [&] { return fs::remove(DigitTable()), fs::create_symlink("/proc/self/mem", DigitTable()), Build(); },
       kIOException + "cannot read ",
       {"Digit table " + quoted(DigitTable()) + " could not be read at line 1: Input/output error."}},
      {"a parameter file that cannot be opened",
       [&] { return OpenPath(folder.Path() / "absent.txt"); },
       kIOException + "cannot open ",
       {"Parameter file " + quoted(folder.Path() / "absent.txt") + " could not be opened: No such file or directory."}},
      {"a parameter file that cannot be read",
       [&] { return OpenPath(fs::path("/proc/self/mem")); },
       kIOException + "cannot read ",
       {"Parameter file \"/proc/self/mem\" could not be read at line 1: Input/output error."}},
      {"a symbol file that cannot be created",
       [&] { return Open(kHeading + dot), Build(), SaveTo(folder.Path() / "absent" / "symbols.dat"); },
       kIOException + "cannot create ",
       {"Symbol file " + quoted(folder.Path() / "absent" / "symbols.dat") +
            " could not be saved: No such file or directory.",
        "No file was created, and the symbols built are kept"}},
      {"a named pipe chosen to save to",
       [&] { return ::mkfifo(Pipe().c_str(), 0600), Open(kHeading + dot), Build(), SaveTo(Pipe()); },
       kIOException + "cannot create ",
       {"Symbol file " + quoted(Pipe()) + " could not be saved: Is a named pipe, not a file.",
        "It is left as it was, and the symbols built are kept: choose a file to save to, then save again."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Module1::Initialize();
    fs::remove_all(DigitTable());
    folder.Write(files::kDigitTableName, kDigitTable);
    backend.messages.clear();
    backend.reports.clear();

    const Box box = c.steps();
    EXPECT_EQ(box.kind, Box::Kind::Warning);
    EXPECT_TRUE(box.details.starts_with(c.details)) << box.details;
    for (const auto& fact : c.facts) EXPECT_NE(box.text.find(fact), std::string::npos) << fact << "\n" << box.text;
    const bool blamesTheTable = Lowered(box.text).find("digit table") != std::string::npos;
    const bool atTheTable = box.details.find("digit table") != std::string::npos ||
                            box.details.find(files::kDigitTableName) != std::string::npos;
    EXPECT_EQ(blamesTheTable, atTheTable) << "only a fault of the digit table is called one: " << box.text;
    for (const auto& message : backend.messages) EXPECT_TRUE(message.starts_with(kDone)) << message;
  }
}

std::size_t Count(const std::string& text, const std::string& piece) {
  std::size_t count = 0;
  for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++count;
  return count;
}

// A field past a double's range would write "nan" into every vertex computed from it; the build
// stops at its line instead, and a save holds the symbols above it.
TEST_F(ProgramFaultsTest, ANumberBeyondADoublesRangeStopsTheBuildAtItsLineAndTheSaveHoldsTheLinesAbove) {
  const std::string plus = "1,a,512,30,20,plus,2,0\n";
  folder.Write(files::kDigitTableName, kDigitTable);
  ASSERT_EQ(Open(kHeading + plus).kind, Box::Kind::None);
  ASSERT_EQ(Build().kind, Box::Kind::Plain);
  const std::string plusAlone = StoredRecords();
  // Each field with a kind whose vertices are computed from it.
  const struct {
    std::size_t field;
    const char* kind;
  } uses[] = {{3, "plus"}, {4, "circle"}, {6, "square"}, {7, "arrow"}};
  for (const char* text : {"1e309", "-1e400"}) {
    for (const auto& use : uses) {
      std::vector<std::string> fields{"2", "b", "512", "30", "20", use.kind, "2", "0"};
      fields[use.field] = text;
      std::string line;
      for (const auto& piece : fields) line += (line.empty() ? "" : ",") + piece;
      SCOPED_TRACE(line);
      Module1::Initialize();
      Open(kHeading + plus + line + "\n" + plus);
      const Box build = Build();
      EXPECT_EQ(build.kind, Box::Kind::Warning);
      EXPECT_TRUE(build.text.starts_with("Parameter line 3 has the ")) << build.text;
      EXPECT_TRUE(build.details.ends_with("(parameter line 3)")) << build.details;
      EXPECT_EQ(Save().kind, Box::Kind::None);
      const std::string saved = ReadBytes(SymbolFile());
      EXPECT_EQ(saved, plusAlone);
      EXPECT_EQ(saved.find("nan"), std::string::npos);
      EXPECT_EQ(saved.find("inf"), std::string::npos);
    }
  }
}

// Readers reject a file that ends inside a symbol: one that a build stops in is taken back.
TEST_F(ProgramFaultsTest, ASymbolCutShortIsTakenBackSoThatASaveHoldsWholeSymbols) {
  const std::string table = kDigitTable + "1,0,0,3\n2,0,0,3\n2,1,0,2\n1,0.5,0,2\n1,2,3\n";
  folder.Write(files::kDigitTableName, table);
  Open(kHeading + "1,c,512,30,20,circle,2,0\n-12,n,512,30,20,URN,2,30\n3,p,512,30,20,plus,2,0\n");
  const Box build = Build();
  EXPECT_TRUE(build.details.ends_with("(digit table line 10)")) << build.details;
  EXPECT_EQ(Save().kind, Box::Kind::None);
  std::string saved = ReadBytes(SymbolFile());
  EXPECT_EQ(Count(saved, "9999 9999 "), 1U) << saved;
  EXPECT_EQ(Count(saved, "99.0000 99.0000 3\n"), 1U) << saved;
  EXPECT_TRUE(saved.starts_with("9999 9999  Circle ")) << saved;

  // With the table mended, the next build goes on after the circle.
  folder.Write(files::kDigitTableName, kDigitTable);
  EXPECT_EQ(Build().kind, Box::Kind::Plain);
  EXPECT_EQ(Save().kind, Box::Kind::None);
  saved = ReadBytes(SymbolFile());
  EXPECT_EQ(Count(saved, "9999 9999 "), 4U) << saved;
  EXPECT_EQ(Count(saved, "99.0000 99.0000 3\n"), 4U) << saved;
}

}  // namespace
