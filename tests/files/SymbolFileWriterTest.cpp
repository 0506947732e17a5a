#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/FilesHarness.h"
#include "files/SymbolFileWriter.h"

namespace {

void HoldRecords(const std::vector<std::string>& records) {
  for (const auto& record : records) Module1::Append(Module1::gStringArray, Module1::ginc, [&] { return record; });
}

TEST_F(FilesTest, SavingWritesEveryRecordUnchanged) {
  HoldRecords({"9999 9999  X   1 a cross\n", " 512  999.0\n", "30.0001 20.0000 3\r\n", "99.0000 99.0000 3\n"});
  const auto target = Item("out");
  files::SaveSymbolFile(target);
  const std::string expected = "9999 9999  X   1 a cross\n 512  999.0\n30.0001 20.0000 3\r\n99.0000 99.0000 3\n";
  EXPECT_EQ(ReadBytes(target->Path()), expected);
  EXPECT_EQ(Module1::ginc, 4);

  // Again, over the file just written: the same bytes.
  files::SaveSymbolFile(target);
  EXPECT_EQ(ReadBytes(target->Path()), expected);
}

TEST_F(FilesTest, NoRecordsEmptiesTheNamedFile) {
  const auto target = Item("old.dat");
  folder.Write("old.dat", "old contents");
  files::SaveSymbolFile(target);
  EXPECT_EQ(ReadBytes(target->Path()), "");
}

TEST_F(FilesTest, AFileThatCannotBeCreatedRaisesAndLeavesNothingBehind) {
  HoldRecords({"record\n"});
  EXPECT_THROW(files::SaveSymbolFile(Item("no-such-folder/out.dat")), framework::IOException);
  EXPECT_THROW(files::SaveSymbolFile(Item("")), framework::IOException);  // the folder itself
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
