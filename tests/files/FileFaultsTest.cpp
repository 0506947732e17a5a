// A save that fails, by a disk that fails the writer or by the read past the stored records: the
// fault is reported by the framework's dispatch, led by what stopped the save and that the target
// stays as it was, or that none was created, which holds; the next save writes every record. A
// save to what is no regular file is refused, and leaves it as it was.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
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

fs::path NamedPipe(const fs::path& where) {
  ::mkfifo(where.c_str(), 0600);
  return where;
}

fs::path Socket(const fs::path& where) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  where.string().copy(address.sun_path, sizeof(address.sun_path) - 1);
  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
  ::close(descriptor);
  return where;
}

// A device of the test's own where the system lets it make one, so that a save that failed to
// refuse it would replace nothing the machine needs; else the null device, which only root could
// replace. Empty when neither is safe.
fs::path CharacterDevice(const fs::path& where) {
  if (::mknod(where.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) return where;
  return ::geteuid() == 0 ? fs::path() : fs::path("/dev/null");
}

fs::path Folder(const fs::path& where) {
  fs::create_directory(where);
  return where;
}

fs::path Link(const fs::path& where, const fs::path& to) {
  fs::create_symlink(to, where);
  return where;
}

std::vector<std::string> FolderContents(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class FileFaultsTest : public FilesTest {
 protected:
  // A press of the save button once its dialog named the file: what escapes the save is reported
  // by the framework's dispatch.
  void PressSave(const std::string& name) {
    framework::DispatchEvent([&] { files::SaveSymbolFile(Item(name)); });
  }

  // The report of the last exception, or an empty one when the press showed none.
  framework::ScriptedBackend::Report TakeReport() {
    EXPECT_TRUE(backend.messages.empty());
    if (backend.reports.size() == reportsSeen_) return {};
    reportsSeen_ = backend.reports.size();
    return backend.reports.back();
  }

  // Records of a little more than 100 bytes each, as a build appends them; past the array's
  // bound ginc stands one above it, as after a build that overran it.
  static void AppendRecords(int count) {
    for (int k = 1; k <= count; ++k) {
      const auto record = [k] { return std::to_string(k) + std::string(100, '.') + "\n"; };
      if (k <= Module1::kOutputRecordBound) {
        Module1::Append(Module1::gStringArray, Module1::ginc, record);
        continue;
      }
      EXPECT_THROW(Module1::Append(Module1::gStringArray, Module1::ginc, record), framework::OutOfBoundsException);
      return;
    }
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

TEST_F(FileFaultsTest, ASaveThatFailsLeavesTheTargetAsItWas) {
  const std::string target = "\"" + (folder.Path() / "symbols.dat").string() + "\"";
  const std::string tooLarge = "Symbol file " + target + " could not be saved: File too large. ";
  const std::string kept = ", and the symbols built are kept: make room or choose another place, then save again.";
  const struct {
    const char* name;
    int records;
    rlim_t fileSizeLimit;    // 0: none
    const char* details;     // its start
    std::string overAFile;   // a part of the sentence, over an existing file
    std::string toANewPath;  // and to a new path
  } cases[] = {
      {"the read past the stored records", Module1::kOutputRecordBound + 1, 0,
       "An exception of class OutOfBoundsException was not handled: index 5001 is outside the bounds 0 to 5000",
       "nothing can be saved in it: symbol file " + target + " is left as it was. Restart the program",
       "nothing can be saved in it: no symbol file " + target + " was created. Restart the program"},
      {"a write that fails part-way", 3000, 64 * 1024,
       "An exception of class IOException was not handled: cannot write ", tooLarge + "It is left as it was" + kept,
       tooLarge + "No file was created" + kept},
      // All of it still sits in the stream's buffer, so only the final flush meets the limit.
      {"a failure at the final flush", 10, 512, "An exception of class IOException was not handled: cannot save ",
       tooLarge + "It is left as it was" + kept, tooLarge + "No file was created" + kept},
  };
  for (const auto& c : cases) {
    for (const bool existing : {true, false}) {
      SCOPED_TRACE(std::string(c.name) + (existing ? ", over an existing file" : ", to a new path"));
      Module1::Initialize();
      AppendRecords(c.records);
      fs::remove(folder.Path() / "symbols.dat");
      if (existing) folder.Write("symbols.dat", kOldSymbolFile);
      const auto before = FolderContents(folder.Path());
      {
        std::optional<FileSizeLimit> limit;
        if (c.fileSizeLimit != 0) limit.emplace(c.fileSizeLimit);
        PressSave("symbols.dat");
      }
      const auto report = TakeReport();
      EXPECT_TRUE(report.details.starts_with(c.details)) << report.details;
      const std::string& sentence = existing ? c.overAFile : c.toANewPath;
      EXPECT_NE(report.sentence.find(sentence), std::string::npos) << report.sentence;
      EXPECT_EQ(TakeReport().details, "") << "one fault, one report";
      EXPECT_EQ(FolderContents(folder.Path()), before) << "a new path stays absent, no temporary file stays behind";
      if (existing) {
        EXPECT_EQ(ReadBytes(folder.Path() / "symbols.dat"), kOldSymbolFile);
      }

      // An overrun array fails every later save too; only a disk fault can be lifted.
      if (Module1::ginc > Module1::kOutputRecordBound) continue;
      PressSave("symbols.dat");
      EXPECT_EQ(TakeReport().details, "");
      EXPECT_EQ(ReadBytes(folder.Path() / "symbols.dat"), RecordsUpTo(c.records));
    }
  }
}

// A save refuses a path that is there and no regular file before anything is written, so that the
// path stays what it was; a link is followed, to what it points to.
TEST_F(FileFaultsTest, ASaveRefusesWhatIsNotAFileAndWritesThroughALinkToOne) {
  AppendRecords(3);
  const fs::path pipe = NamedPipe(folder.Path() / "pipe");
  const struct {
    const char* name;
    fs::path path;
    fs::file_type type;  // followed through a link
    const char* reason;  // null: the save writes it
  } cases[] = {
      {"a named pipe", pipe, fs::file_type::fifo, "Is a named pipe, not a file"},
      {"a socket", Socket(folder.Path() / "socket"), fs::file_type::socket, "Is a socket, not a file"},
      {"a device", CharacterDevice(folder.Path() / "device"), fs::file_type::character, "Is a device, not a file"},
      {"a folder", Folder(folder.Path() / "folder"), fs::file_type::directory, "Is a folder, not a file"},
      {"a link to a named pipe", Link(folder.Path() / "to-pipe", pipe), fs::file_type::fifo,
       "Is a named pipe, not a file"},
      {"a link to a file", Link(folder.Path() / "to-file", folder.Write("file", kOldSymbolFile)),
       fs::file_type::regular, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.path.empty()) {
      std::cout << "left out, as no device can be made here and the system's own is not safe to try: " << c.name
                << std::endl;
      continue;
    }
    const fs::file_type linkType = fs::symlink_status(c.path).type();
    ASSERT_EQ(fs::status(c.path).type(), c.type);
    const auto before = FolderContents(folder.Path());

    PressSave(c.path.string());
    const auto report = TakeReport();
    EXPECT_EQ(fs::symlink_status(c.path).type(), linkType);
    EXPECT_EQ(fs::status(c.path).type(), c.type);
    EXPECT_EQ(FolderContents(folder.Path()), before) << "nothing is left beside it";
    if (c.reason == nullptr) {
      EXPECT_EQ(report.details, "");
      EXPECT_EQ(ReadBytes(c.path), RecordsUpTo(3));
      continue;
    }
    const std::string quoted = "\"" + c.path.string() + "\"";
    EXPECT_EQ(report.details,
              "An exception of class IOException was not handled: cannot create " + quoted + ": " + c.reason);
    EXPECT_EQ(report.sentence, "Symbol file " + quoted + " could not be saved: " + c.reason +
                                   ". It is left as it was, and the symbols built are kept: choose a file to save "
                                   "to, then save again.");
  }
}

}  // namespace
