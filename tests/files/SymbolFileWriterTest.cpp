#include "files/SymbolFileWriter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "files/FilesHarness.h"

namespace {

void HoldRecords(const std::vector<std::string>& records) {
  for (const auto& record : records) Module1::Append(Module1::gStringArray, Module1::ginc, [&] { return record; });
}

TEST_F(FilesTest, SavingWritesEveryRecordUnchanged) {
  HoldRecords({"9999 9999  X   1 a cross\n", " 512  999.0\n", "30.0001 20.0000 3\r\n", "99.0000 99.0000 3\n"});
  const auto target = Item("out");
  backend.AnswerNextDialog(target);
  files::SaveSymbolFile();
  const std::string expected = "9999 9999  X   1 a cross\n 512  999.0\n30.0001 20.0000 3\r\n99.0000 99.0000 3\n";
  EXPECT_EQ(ReadBytes(target->Path()), expected);
  EXPECT_EQ(Module1::ginc, 4);

  // Again, over the file just written: the same bytes.
  backend.AnswerNextDialog(target);
  files::SaveSymbolFile();
  EXPECT_EQ(ReadBytes(target->Path()), expected);
}

TEST_F(FilesTest, NoRecordsEmptiesTheNamedFile) {
  const auto target = Item("old.dat");
  folder.Write("old.dat", "old contents");
  backend.AnswerNextDialog(target);
  files::SaveSymbolFile();
  EXPECT_EQ(ReadBytes(target->Path()), "");
}

TEST_F(FilesTest, CancellingTheSaveDialogWritesNothing) {
  HoldRecords({"record\n"});
  backend.AnswerNextDialog(nullptr);
  files::SaveSymbolFile();
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
  EXPECT_EQ(backend.dialogsShown, std::vector<framework::FileDialogKind>{framework::FileDialogKind::Save});
}

TEST_F(FilesTest, ACountPastTheBoundWritesTheStoredRecordsThenRaises) {
  for (int k = 1; k <= 5000; ++k) HoldRecords({std::to_string(k) + "\n"});
  EXPECT_THROW(HoldRecords({"5001\n"}), framework::OutOfBoundsException);
  const auto target = Item("full.dat");
  backend.AnswerNextDialog(target);
  EXPECT_THROW(files::SaveSymbolFile(), framework::OutOfBoundsException);
  const auto written = ReadBytes(target->Path());
  EXPECT_TRUE(written.starts_with("1\n2\n"));
  EXPECT_TRUE(written.ends_with("\n4999\n5000\n"));
}

TEST_F(FilesTest, AFileThatCannotBeCreatedRaisesAndLeavesNothingBehind) {
  HoldRecords({"record\n"});
  backend.AnswerNextDialog(Item("no-such-folder/out.dat"));
  EXPECT_THROW(files::SaveSymbolFile(), framework::IOException);
  backend.AnswerNextDialog(Item(""));  // the folder itself
  EXPECT_THROW(files::SaveSymbolFile(), framework::IOException);
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
