#include <gtest/gtest.h>

#include <QMessageBox>

#include "app/QtProgramHarness.h"
#include "framework/FolderItem.h"
#include "support/TempFolder.h"

namespace {

// The person's side of the whole road: the buttons pressed in order, the dialogs answered.
class EndToEndTest : public QtProgramTest {
 protected:
  void SetUp() override {
    QtProgramTest::SetUp();
    framework::SetProgramFolder(kFixtures);
  }

  // Presses "2. Build Symbols" and closes its message box, keeping its text.
  void Build(QMainWindow& window) {
    WhenModal([this](QWidget& modal) {
      auto* box = qobject_cast<QMessageBox*>(&modal);
      ASSERT_NE(box, nullptr);
      messages.push_back(box->text().toStdString());
      box->accept();
    });
    Press(window, "2. Build Symbols");
  }

  const std::filesystem::path kFixtures = std::filesystem::path(PLOTTER_TEST_DATA) / "every-kind";
  const std::string kExpected = ReadBytes(kFixtures / "expected.dat");
  std::vector<std::string> messages;
  TempFolder folder;
};

constexpr const char* kOpen = "1. Open Symbol Parameter File";
constexpr const char* kSave = "3. Save Kestrovan Symbol File (.dat)";

TEST_F(EndToEndTest, OpenBuildSaveWritesEveryKindsRecords) {
  const auto first = folder.Path() / "symbols.dat";
  const auto second = folder.Path() / "again";
  EXPECT_EQ(RunWith([&](QMainWindow& window) {
              PressAndAnswer(window, kOpen, kFixtures / "parameters.txt");
              Build(window);
              PressAndAnswer(window, kSave, first);
              PressAndAnswer(window, kSave, second);
              Press(window, "4. Quit");
            }),
            0);
  EXPECT_EQ(messages, std::vector<std::string>{"Done, Now Save File  Total # of Symbols = 8"});
  EXPECT_EQ(ReadBytes(first), kExpected);
  EXPECT_EQ(ReadBytes(second), kExpected);
}

TEST_F(EndToEndTest, TwoBuildsThenOneSaveHoldTheRecordsTwice) {
  const auto target = folder.Path() / "twice.dat";
  EXPECT_EQ(RunWith([&](QMainWindow& window) {
              PressAndAnswer(window, kOpen, kFixtures / "parameters.txt");
              Build(window);
              Build(window);
              PressAndAnswer(window, kSave, target);
              window.close();
            }),
            0);
  EXPECT_EQ(ReadBytes(target), kExpected + kExpected);
}

TEST_F(EndToEndTest, CancelledDialogsReadAndWriteNothing) {
  const auto target = folder.Path() / "kept.dat";
  folder.Write("kept.dat", "kept");
  EXPECT_EQ(RunWith([&](QMainWindow& window) {
              PressAndAnswer(window, kOpen, kFixtures / "parameters.txt");
              PressAndAnswer(window, kOpen, {});  // no parameter line is in use any more
              Build(window);
              PressAndAnswer(window, kSave, {});
              Press(window, "4. Quit");
            }),
            0);
  EXPECT_EQ(messages, std::vector<std::string>{"Done, Now Save File  Total # of Symbols = 0"});
  EXPECT_EQ(ReadBytes(target), "kept");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
