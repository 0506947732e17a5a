// Faults in the middle of a run, through the buttons of the main window: each is reported in a
// warning when it leaves its handler, nothing stored is lost, and the window stays usable.
#include <gtest/gtest.h>

#include <algorithm>
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

  fs::path SymbolFile() const { return folder.Path() / "symbols.dat"; }
  fs::path DigitTable() const { return folder.Path() / files::kDigitTableName; }

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

}  // namespace
