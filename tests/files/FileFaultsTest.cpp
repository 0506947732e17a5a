// A disk that fails the writer: the fault is reported by the framework's dispatch, the file
// saved before stays whole, and the next save writes every record.
#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

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

TEST_F(FileFaultsTest, ASaveWhoseWriteFailsLeavesTheOldFileAndTheNextSaveWritesEverything) {
  const struct {
    const char* name;
    int records;
    rlim_t fileSizeLimit;
    const char* report;  // its start
  } cases[] = {
      {"fails part-way", 3000, 64 * 1024, "An exception of class IOException was not handled: cannot write "},
      // All of it still sits in the stream's buffer, so only the final flush meets the limit.
      {"fails at the final flush", 10, 512, "An exception of class IOException was not handled: cannot save "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Module1::Initialize();
    AppendRecords(c.records);
    const fs::path target = folder.Write("symbols.dat", kOldSymbolFile);
    const auto before = FolderContents(folder.Path());

    backend.AnswerNextDialog(Item("symbols.dat"));
    {
      const FileSizeLimit limit(c.fileSizeLimit);
      Press(files::SaveSymbolFile);
    }
    EXPECT_TRUE(TakeReport().starts_with(c.report));
    EXPECT_EQ(TakeReport(), "") << "one fault, one report";
    EXPECT_EQ(ReadBytes(target), kOldSymbolFile);
    EXPECT_EQ(FolderContents(folder.Path()), before) << "the temporary file is left behind";

    backend.AnswerNextDialog(Item("symbols.dat"));
    Press(files::SaveSymbolFile);
    EXPECT_EQ(TakeReport(), "");
    EXPECT_EQ(ReadBytes(target), RecordsUpTo(c.records));
  }
}

}  // namespace
