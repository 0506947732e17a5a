#include <gtest/gtest.h>

#include "files/DigitTableLoader.h"
#include "files/FilesHarness.h"

namespace {

TEST_F(FilesTest, DigitTablesLoadWholeUpToFiveHundredLines) {
  const struct {
    const char* name;
    const char* contents;  // nullptr: no table at all
    int count;
  } cases[] = {
      {"missing", nullptr, 0},
      {"empty", "", 0},
      {"heading and blank lines kept", "key,ns,ew,pen\n\n 1 , 0,0.25, 3\r\n", 3},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(folder.Path() / files::kDigitTableName);
    if (c.contents) folder.Write(files::kDigitTableName, c.contents);
    Module1::gNumTotal = 77;
    files::LoadDigitTable();
    EXPECT_EQ(Module1::gNumTotal, c.count) << c.name;
  }
  EXPECT_EQ((*Module1::gNumbers)(1), "key,ns,ew,pen");
  EXPECT_EQ((*Module1::gNumbers)(2), "");
  EXPECT_EQ((*Module1::gNumbers)(3), " 1 , 0,0.25, 3");
}

TEST_F(FilesTest, AFiveHundredAndFirstLineRaisesWithTheFirstFiveHundredKept) {
  folder.Write(files::kDigitTableName, NumberedLines(500));
  files::LoadDigitTable();
  EXPECT_EQ(Module1::gNumTotal, 500);

  folder.Write(files::kDigitTableName, NumberedLines(501));
  EXPECT_THROW(files::LoadDigitTable(), framework::OutOfBoundsException);
  EXPECT_EQ(Module1::gNumTotal, 501);
  EXPECT_EQ((*Module1::gNumbers)(500), "500,0,0,3");

  // Every load starts again from nothing.
  folder.Write(files::kDigitTableName, NumberedLines(2));
  files::LoadDigitTable();
  EXPECT_EQ(Module1::gNumTotal, 2);
  EXPECT_EQ((*Module1::gNumbers)(3), "3,0,0,3");
}

TEST_F(FilesTest, ALineThatCannotBeReadOrStoredIsNamed) {
  const auto table = folder.Path() / files::kDigitTableName;
  const struct {
    const char* name;
    std::string contents;  // empty: a link to the process's memory, which opens and fails every read
    std::string ending;
  } cases[] = {
      {"a 501st line", NumberedLines(501), "index 501 is outside the bounds 0 to 500 (digit table line 501)"},
      {"a read error", "", " (digit table line 1)"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(table);
    if (c.contents.empty()) {
      std::filesystem::create_symlink("/proc/self/mem", table);
    } else {
      folder.Write(files::kDigitTableName, c.contents);
    }
    try {
      files::LoadDigitTable();
      ADD_FAILURE() << c.name;
    } catch (const framework::RuntimeException& error) {
      EXPECT_TRUE(std::string(error.what()).ends_with(c.ending)) << c.name << ": " << error.what();
    }
  }
}

TEST_F(FilesTest, ATableThatCannotBeOpenedRaisesAndLoadsNothing) {
  const auto table = folder.Path() / files::kDigitTableName;
  const struct {
    const char* name;
    void (*make)(const std::filesystem::path&);
    int error;
  } cases[] = {
      {"a folder", [](const std::filesystem::path& path) { std::filesystem::create_directory(path); }, EISDIR},
      // Its status cannot be read, so it must not pass for a missing table.
      {"a link to itself", [](const std::filesystem::path& path) { std::filesystem::create_symlink(path, path); },
       ELOOP},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(table);
    c.make(table);
    Module1::gNumTotal = 77;
    try {
      files::LoadDigitTable();
      ADD_FAILURE() << c.name;
    } catch (const framework::IOException& error) {
      EXPECT_EQ(error.ErrorNumber(), c.error) << c.name;
      EXPECT_EQ(std::string(error.what()).find(" line "), std::string::npos) << "no line was reached: " << error.what();
    }
    EXPECT_EQ(Module1::gNumTotal, 0) << c.name;
  }
}

}  // namespace
