// The program's own main, compiled into this test as ProgramMain, run in a child process: with
// toolkit options on its command line, from another working folder, and under a file-size limit.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/QtPerson.h"
#include "support/TempFolder.h"

int ProgramMain(int argc, char** argv);

namespace {

// Anything the child finds amiss ends it with code 1 and says what on standard error.
void Expect(bool holds, const std::string& what) {
  if (holds) return;
  std::cerr << "not so: " << what << std::endl;
  std::_Exit(1);
}

// Runs once the toolkit has started, inside main's QApplication.
void LookAtTheWindowThenQuit() {
  QTimer::singleShot(0, [] {
    QMainWindow* window = TheWindow();
    Expect(window != nullptr, "the window is shown");
    Expect(window->windowHandle()->title() == "Kestrovan Plotter", "the title shown is the design's");
    Expect(window->centralWidget()->size() == QSize(305, 170), "the content has the design size");
    Expect(window->layoutDirection() == Qt::LeftToRight, "the layout runs left to right");
    Expect(QCoreApplication::arguments() == QStringList{"kestrovan-plotter"},
           "the toolkit got the program's name only");
    QTest::mouseClick(WidgetWithText<QPushButton>(*window, "4. Quit"), Qt::LeftButton);
  });
}

// Stands for any failure while the window is first shown: an exception out of start-up.
class FailingShow : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<QMainWindow*>(watched) != nullptr)
      throw std::runtime_error("the window cannot be shown");
    return false;
  }
};

void FailTheFirstShow() { qApp->installEventFilter(new FailingShow(qApp)); }

// The person runs once the toolkit has started, inside main's QApplication.
int RunMain(const std::vector<std::string>& options, QtStartUpFunction person) {
  // Ends a child that never quits, so that a fault fails the test instead of hanging it.
  ::alarm(20);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  std::vector<std::string> words{"kestrovan-plotter"};
  words.insert(words.end(), options.begin(), options.end());
  std::vector<char*> arguments;
  for (std::string& word : words) arguments.push_back(word.data());
  arguments.push_back(nullptr);
  qAddPreRoutine(person);
  return ProgramMain(static_cast<int>(words.size()), arguments.data());
}

[[noreturn]] void RunMainWith(const std::vector<std::string>& options) {
  std::exit(RunMain(options, LookAtTheWindowThenQuit));
}

// Opens parameters.txt of the working folder, builds it and saves to symbols.dat there; the
// person, when given, acts on the box that the save shows.
void OpenBuildSave(QMainWindow& window, std::function<void(QWidget&)> person = {}) {
  const std::filesystem::path here = std::filesystem::current_path();
  PressAndAnswer(window, "1. Open Symbol Parameter File", here / "parameters.txt");
  WhenModal([](QWidget& box) {
    if (auto* dialog = qobject_cast<QDialog*>(&box)) dialog->accept();
  });
  Press(window, "2. Build Symbols");
  PressAndAnswer(window, "3. Save Kestrovan Symbol File (.dat)", here / "symbols.dat", std::move(person));
}

// In a working folder that holds the parameter file and no digit table.
void OpenBuildSaveThenQuit() {
  QTimer::singleShot(0, [] {
    QMainWindow* window = TheWindow();
    Expect(window != nullptr, "the window is shown");
    OpenBuildSave(*window);
    Press(*window, "4. Quit");
  });
}

// The saved file is checked in the child, whose temporary folder is its own.
[[noreturn]] void RunMainFromAnotherFolder() {
  int exitCode = 1;
  std::string saved;
  {
    const TempFolder folder;
    folder.Write("parameters.txt", "Symbol parameters\n7,n,512,30,20,URN,2,0\n");
    std::filesystem::current_path(folder.Path());
    exitCode = RunMain({}, OpenBuildSaveThenQuit);
    saved = ReadBytes(folder.Path() / "symbols.dat");
  }
  // Only a drawn stroke ends in pen code 2; a label without its digits leaves the header and end records.
  Expect(saved.find(" 2\n") != std::string::npos, "the saved file holds the digit's strokes:\n" + saved);
  std::exit(exitCode);
}

constexpr const char* kSavedBefore = "the symbols saved before\n";

// In a working folder that holds the parameter file and a symbol file saved before.
void SaveOverTheFileSavedBeforeThenQuit() {
  QTimer::singleShot(0, [] {
    QMainWindow* window = TheWindow();
    Expect(window != nullptr, "the window is shown");
    static bool reported = false;
    OpenBuildSave(*window, [](QWidget& modal) {
      auto* box = qobject_cast<QMessageBox*>(&modal);
      Expect(box != nullptr && box->icon() == QMessageBox::Warning, "the save shows a warning");
      Expect(box->text().contains("could not be saved: File too large."),
             "the report says why: " + box->text().toStdString());
      reported = true;
      box->accept();
    });
    Expect(reported, "the failed save is reported");
    Expect(ReadBytes(std::filesystem::current_path() / "symbols.dat") == kSavedBefore,
           "the file saved before is left as it was");
    Press(*window, "4. Quit");
  });
}

// Under a file-size limit that the save passes, with the signal a write past it raises at its
// default, which ends a process.
[[noreturn]] void RunMainUnderAFileSizeLimit() {
  int exitCode = 1;
  {
    const TempFolder folder;
    std::string parameters = "Symbol parameters\n";
    for (int k = 0; k < 200; ++k) parameters += "1,p,512,10,20,plus,2,0\n";
    folder.Write("parameters.txt", parameters);
    folder.Write("symbols.dat", kSavedBefore);
    std::filesystem::current_path(folder.Path());
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    // 4 KiB, as `ulimit -f 8` sets it in POSIX's 512-byte blocks: a small part of 200 plus signs' records.
    limit.rlim_cur = 8 * 512;
    Expect(::setrlimit(RLIMIT_FSIZE, &limit) == 0, "the file-size limit is set");
    ::signal(SIGXFSZ, SIG_DFL);
    exitCode = RunMain({}, SaveOverTheFileSavedBeforeThenQuit);
  }
  std::exit(exitCode);
}

TEST(MainTest, ToolkitOptionsOnTheCommandLineChangeNothingAndTheProgramQuitsNormally) {
  // A fresh process for each run: each makes its own QApplication from main's arguments.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const struct {
    const char* name;
    std::vector<std::string> options;
  } cases[] = {
      {"none", {}},
      {"window title", {"-qwindowtitle", "Other"}},
      {"geometry", {"-geometry", "600x400+10+10"}},
      {"mirrored layout", {"-reverse"}},
      {"a platform that does not exist", {"-platform", "nosuch"}},
      {"an option of the program's own", {"--open", "parameters.txt"}},
  };
  for (const auto& c : cases) {
    EXPECT_EXIT(RunMainWith(c.options), testing::ExitedWithCode(0), "") << c.name;
  }
}

TEST(MainTest, AProgramStartedFromAnotherWorkingFolderFindsItsDigitTableBesideItsExecutable) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(RunMainFromAnotherFolder(), testing::ExitedWithCode(0), "");
}

TEST(MainTest, ASavePastAFileSizeLimitIsReportedAndTheProgramGoesOn) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The technical line goes to standard error too.
  EXPECT_EXIT(RunMainUnderAFileSizeLimit(), testing::ExitedWithCode(0), "IOException .*: File too large");
}

TEST(MainTest, AFailedStartUpExitsWithOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(RunMain({}, FailTheFirstShow)), testing::ExitedWithCode(1),
              "An exception of class std::runtime_error was not handled: the window cannot be shown");
}

}  // namespace
