#include "files/ParameterFileReader.h"

#include <gtest/gtest.h>

#include "files/FilesHarness.h"

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
    backend.AnswerNextDialog(std::make_shared<framework::FolderItem>(folder.Write("params.txt", c.contents)));
    files::ReadParameterFile();
    ASSERT_EQ(Module1::total, static_cast<int>(c.lines.size())) << c.name;
    for (int k = 1; k <= Module1::total; ++k) EXPECT_EQ((*Module1::gSymbolParameters)(k), c.lines[static_cast<std::size_t>(k - 1)]) << c.name;
  }
  EXPECT_EQ(backend.dialogsShown, std::vector<framework::FileDialogKind>(5, framework::FileDialogKind::Open));
}

TEST_F(FilesTest, CancellingTheOpenDialogLeavesNoLineInUse) {
  backend.AnswerNextDialog(std::make_shared<framework::FolderItem>(folder.Write("params.txt", "a\nb\nc\n")));
  files::ReadParameterFile();
  backend.AnswerNextDialog(nullptr);
  files::ReadParameterFile();
  EXPECT_EQ(Module1::total, 0);
  EXPECT_EQ((*Module1::gSymbolParameters)(3), "c");
}

TEST_F(FilesTest, FiveHundredLinesAreHeldAndAFiveHundredAndFirstRaises) {
  backend.AnswerNextDialog(std::make_shared<framework::FolderItem>(folder.Write("500.txt", NumberedLines(500))));
  files::ReadParameterFile();
  EXPECT_EQ(Module1::total, 500);

  backend.AnswerNextDialog(std::make_shared<framework::FolderItem>(folder.Write("501.txt", NumberedLines(501))));
  EXPECT_THROW(files::ReadParameterFile(), framework::OutOfBoundsException);
  EXPECT_EQ(Module1::total, 501);
  EXPECT_EQ((*Module1::gSymbolParameters)(500), "500,0,0,3");
}

TEST_F(FilesTest, AFileThatCannotBeOpenedRaisesWithNoLineInUse) {
  for (const char* name : {"absent.txt", "."}) {
    backend.AnswerNextDialog(Item(name));
    EXPECT_THROW(files::ReadParameterFile(), framework::IOException) << name;
    EXPECT_EQ(Module1::total, 0);
  }
}

}  // namespace
