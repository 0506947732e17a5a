#include <gtest/gtest.h>

#include "files/FilesHarness.h"
#include "files/ParameterFileReader.h"

namespace {

TEST_F(FilesTest, ParameterFilesAreReadLineForLine) {
  const struct {
    const char* name;
    std::string contents;
    std::vector<std::string> lines;
  } cases[] = {
      {"empty", "", {}},
      {"one line", "heading", {"heading"}},
      {"CR LF and a byte-order mark", "\xEF\xBB\xBFh\r\n1,a , b\r\n\r\n", {"h", "1,a , b", ""}},
      {"lone CR", "h\r1\r", {"h", "1"}},
      {"binary bytes", std::string("h\n\0\xFF\n", 5), {"h", std::string("\0\xFF", 2)}},
  };
  for (const auto& c : cases) {
    files::ReadParameterFile(std::make_shared<framework::FolderItem>(folder.Write("params.txt", c.contents)));
    ASSERT_EQ(Module1::total, static_cast<int>(c.lines.size())) << c.name;
    for (int k = 1; k <= Module1::total; ++k)
      EXPECT_EQ((*Module1::gSymbolParameters)(k), c.lines[static_cast<std::size_t>(k - 1)]) << c.name;
  }
}

TEST_F(FilesTest, FiveHundredLinesAreHeldAndAFiveHundredAndFirstRaises) {
  files::ReadParameterFile(std::make_shared<framework::FolderItem>(folder.Write("500.txt", NumberedLines(500))));
  EXPECT_EQ(Module1::total, 500);

  const auto longer = std::make_shared<framework::FolderItem>(folder.Write("501.txt", NumberedLines(501)));
  EXPECT_THROW(files::ReadParameterFile(longer), framework::OutOfBoundsException);
  EXPECT_EQ(Module1::total, 501);
  EXPECT_EQ((*Module1::gSymbolParameters)(500), "500,0,0,3");
}

TEST_F(FilesTest, AFileThatCannotBeOpenedRaisesWithNoLineInUse) {
  for (const char* name : {"absent.txt", "."}) {
    EXPECT_THROW(files::ReadParameterFile(Item(name)), framework::IOException) << name;
    EXPECT_EQ(Module1::total, 0);
  }
}

}  // namespace
