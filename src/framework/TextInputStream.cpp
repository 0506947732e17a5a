#include "framework/TextInputStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "framework/Exceptions.h"

namespace framework {
namespace {

String Reason(const std::filesystem::path& path, const char* action, int error) {
  return String(action) + " \"" + path.string() + "\": " + std::strerror(error);
}

}  // namespace

std::shared_ptr<TextInputStream> TextInputStream::Open(const std::shared_ptr<FolderItem>& file) {
  if (!file) throw NilObjectException("the file to open is Nil");
  // Without blocking: a pipe with no writer would otherwise hang the window in open().
  const int descriptor = ::open(file->Path().c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  int error = descriptor < 0 ? errno : 0;
  struct stat status {};
  if (error == 0 && ::fstat(descriptor, &status) != 0) error = errno;
  // Only a regular file has an end that a read is sure to reach.
  if (error == 0 && !S_ISREG(status.st_mode)) error = S_ISDIR(status.st_mode) ? EISDIR : ENXIO;
  if (error == 0 && ::fcntl(descriptor, F_SETFL, O_RDONLY) != 0) error = errno;
  if (error != 0) {
    if (descriptor >= 0) ::close(descriptor);
    file->SetLastErrorCode(error);
    throw IOException(error, Reason(file->Path(), "cannot open", error));
  }
  return std::shared_ptr<TextInputStream>(new TextInputStream(descriptor, file->Path()));
}

TextInputStream::TextInputStream(int descriptor, std::filesystem::path path)
    : descriptor_(descriptor), path_(std::move(path)), reader_([this](char* buffer, std::size_t capacity) {
        for (;;) {
          const ssize_t count = ::read(descriptor_, buffer, capacity);
          if (count >= 0) return static_cast<std::size_t>(count);
          const int error = errno;
          if (error != EINTR) throw IOException(error, Reason(path_, "cannot read", error));
        }
      }) {}

TextInputStream::~TextInputStream() { ::close(descriptor_); }

}  // namespace framework
