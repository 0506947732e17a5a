// The one place where the program's code calls the system directly: the process's signal
// settings, and the open of a ReadableFile. Only POSIX's calls can refuse a file that is not
// regular without ever blocking in the open; elsewhere, standard C++ checks the file's type first
// and then opens it by name.
#include "framework/SystemCalls.h"

#include <cerrno>
#include <cstring>

#include "framework/Exceptions.h"
#include "framework/ReadableFile.h"
#include "framework/Types.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fstream>
#include <system_error>
#endif

namespace framework {
namespace {

[[noreturn]] void Fail(const std::filesystem::path& path, const char* action, int error) {
  throw IOException(error, String(action) + " \"" + path.string() + "\": " + std::strerror(error));
}

}  // namespace

#if defined(__unix__) || defined(__APPLE__)

// sigaction, whose effect in a process with threads (the toolkit starts some) is specified, where
// signal's is not.
void IgnoreFileSizeSignal() {
#ifdef SIGXFSZ
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  if (sigemptyset(&ignore.sa_mask) == 0) ::sigaction(SIGXFSZ, &ignore, nullptr);
#endif
}

struct ReadableFile::Handle {
  int descriptor;
  ~Handle() { ::close(descriptor); }
};

ReadableFile::ReadableFile(std::filesystem::path path) : path_(std::move(path)) {
  // Without blocking: a pipe with no writer would otherwise hang the window in open().
  const int descriptor = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) Fail(path_, "cannot open", errno);
  handle_.reset(new Handle{descriptor});
  struct stat status {};
  if (::fstat(descriptor, &status) != 0) Fail(path_, "cannot open", errno);
  // Only a regular file has an end that a read is sure to reach.
  if (!S_ISREG(status.st_mode)) Fail(path_, "cannot open", S_ISDIR(status.st_mode) ? EISDIR : ENXIO);
  if (::fcntl(descriptor, F_SETFL, O_RDONLY) != 0) Fail(path_, "cannot open", errno);
}

std::size_t ReadableFile::Read(char* buffer, std::size_t capacity) {
  for (;;) {
    const ssize_t count = ::read(handle_->descriptor, buffer, capacity);
    if (count >= 0) return static_cast<std::size_t>(count);
    if (errno != EINTR) Fail(path_, "cannot read", errno);
  }
}

#else

// The signal is POSIX's: nothing else raises it.
void IgnoreFileSizeSignal() {}

namespace {

// Why the path is no regular file, as a system error number; 0 when it is one.
int Refusal(const std::filesystem::path& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (std::filesystem::is_regular_file(status)) return 0;
  if (std::filesystem::is_directory(status)) return EISDIR;
  if (status.type() == std::filesystem::file_type::not_found) return ENOENT;
  if (error) return error.default_error_condition().value();
  return ENXIO;
}

}  // namespace

struct ReadableFile::Handle {
  std::ifstream stream;
};

ReadableFile::ReadableFile(std::filesystem::path path) : path_(std::move(path)), handle_(std::make_unique<Handle>()) {
  if (const int refusal = Refusal(path_)) Fail(path_, "cannot open", refusal);
  errno = 0;
  handle_->stream.open(path_, std::ios::binary);
  // The library need not say why an open failed; a regular file that does not open is most
  // likely barred to us.
  if (!handle_->stream.is_open()) Fail(path_, "cannot open", errno != 0 ? errno : EACCES);
}

std::size_t ReadableFile::Read(char* buffer, std::size_t capacity) {
  handle_->stream.read(buffer, static_cast<std::streamsize>(capacity));
  if (handle_->stream.bad()) Fail(path_, "cannot read", EIO);
  return static_cast<std::size_t>(handle_->stream.gcount());
}

#endif

ReadableFile::~ReadableFile() = default;

}  // namespace framework
