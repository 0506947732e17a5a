// Faults of the disk under the reader, loader and writer: each is reported by the framework's
// dispatch, nothing stored is lost, and the next press works again.
#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/DigitTableLoader.h"
#include "files/FilesHarness.h"
#include "files/SymbolFileWriter.h"
#include "framework/Runtime.h"

namespace {

namespace fs = std::filesystem;

// A file-size limit for this process, with the signal that would end it ignored, so that a
// write past the limit fails with EFBIG instead; root is held to it too.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  sighandler_t previousHandler_ = SIG_DFL;
};

std::vector<std::string> FolderContents(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FileFaultsTest : public FilesTest {
 protected:
  // A button press: what escapes the handler is reported by the framework's dispatch.
  void Press(void (*handler)()) { framework::DispatchEvent(handler); }

  // The report of the last exception, or nothing when the press showed no message.
  std::string TakeReport() {
    if (backend.messages.size() == reportsSeen_) return {};
    reportsSeen_ = backend.messages.size();
    return backend.messages.back();
  }

  // Records of a little more than 100 bytes each, as a build appends them.
  static void AppendRecords(int count) {
    for (int k = 1; k <= count; ++k)
      Module1::Append(Module1::gStringArray, Module1::ginc, [k] { return std::to_string(k) + std::string(100, '.') + "\n"; });
  }

  static std::string RecordsUpTo(int last) {
    std::string all;
    for (int index = 1; index <= last; ++index) all += (*Module1::gStringArray)(index);
    return all;
  }

 private:
  std::size_t reportsSeen_ = 0;
};

constexpr const char* kOldSymbolFile = "the symbols saved before\n";

TEST_F(FileFaultsTest, AFailedSaveLeavesTheOldFileAndAnOverflowedOneWritesTheFirst5000Records) {
  const struct {
    const char* name;
    int records;              // appended before the save; past 5000 the last append overflows
    std::optional<rlim_t> fileSizeLimit;
    const char* report;       // the start of the reported exception
    bool replaced;            // the file then holds records 1 to 5000 at most
  } cases[] = {
      {"overflow mid-symbol", 5001, std::nullopt, "An exception of class OutOfBoundsException was not handled: index 5001 ", true},
      {"write fails part-way", 3000, 64 * 1024, "An exception of class IOException was not handled: cannot write ", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Module1::Initialize();
    framework::DispatchEvent([&] { AppendRecords(c.records); });
    if (c.records > 5000) {
      EXPECT_EQ(TakeReport(), "An exception of class OutOfBoundsException was not handled: "
                              "index 5001 is outside the bounds 0 to 5000");
    }
    const fs::path target = folder.Write("symbols.dat", kOldSymbolFile);
    const auto before = FolderContents(folder.Path());

    backend.AnswerNextDialog(Item("symbols.dat"));
    {
      std::optional<FileSizeLimit> limit;
      if (c.fileSizeLimit) limit.emplace(*c.fileSizeLimit);
      Press(files::SaveSymbolFile);
    }
    EXPECT_TRUE(TakeReport().starts_with(c.report));
    EXPECT_EQ(FolderContents(folder.Path()), before) << "the temporary file is left behind";
    const std::string stored = RecordsUpTo(std::min(c.records, 5000));
    EXPECT_EQ(ReadBytes(target), c.replaced ? stored : kOldSymbolFile);
    EXPECT_EQ(Module1::ginc, c.records) << "the save changed the records held";

    // The fault lifted, the same records save whole; after the overflow, again up to 5000.
    const fs::path next = folder.Path() / "again.dat";
    backend.AnswerNextDialog(Item("again.dat"));
    Press(files::SaveSymbolFile);
    EXPECT_EQ(ReadBytes(next), stored);
    EXPECT_EQ(TakeReport().empty(), c.records <= 5000);
    fs::remove(next);
  }
}

TEST_F(FileFaultsTest, ADigitTableThatBecomesUnreadableIsReportedAndTheNextLoadReadsItAgain) {
  const std::string table = "1,0,0.25,3\n1,1,0.25,2\n7,1,0,3\n";
  // chmod 000 stops no one running as root, as CI does: these faults stop every user.
  const struct {
    const char* name;
    std::function<void(const fs::path&)> spoil;
    const char* report;
    framework::Int32 count;  // gNumTotal after the failed load
  } cases[] = {
      {"replaced by a folder", [](const fs::path& file) { fs::remove(file), fs::create_directory(file); },
       "An exception of class IOException was not handled: cannot open ", 0},
      // The process's own memory at address 0 opens, and every read of it fails.
      {"read error", [](const fs::path& file) { fs::remove(file), fs::create_symlink("/proc/self/mem", file); },
       "An exception of class IOException was not handled: cannot read ", 1},
      {"removed, which is no fault", [](const fs::path& file) { fs::remove(file); }, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path file = folder.Write(files::kDigitTableName, table);
    Press(files::LoadDigitTable);
    ASSERT_EQ(Module1::gNumTotal, 3);

    c.spoil(file);
    Press(files::LoadDigitTable);
    EXPECT_TRUE(TakeReport().starts_with(c.report));
    EXPECT_EQ(Module1::gNumTotal, c.count);
    EXPECT_EQ((*Module1::gNumbers)(3), "7,1,0,3") << "the lines of the last load are overwritten only by a new one";

    fs::remove_all(file);
    folder.Write(files::kDigitTableName, "7,0,0.25,2\n");
    Press(files::LoadDigitTable);
    EXPECT_EQ(TakeReport(), "");
    EXPECT_EQ(Module1::gNumTotal, 1);
    EXPECT_EQ((*Module1::gNumbers)(1), "7,0,0.25,2");
  }
}

}  // namespace
