#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>

namespace framework {

// A regular file open for reading. Anything else is refused at the open: a read from a pipe
// with no writer or from a device could block the window for ever, and a folder has no bytes.
class ReadableFile {
 public:
  // Raises IOException with the system's error number and reason.
  explicit ReadableFile(std::filesystem::path path);
  ~ReadableFile();
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  // Up to capacity bytes, 0 at the end; raises IOException on a read error.
  std::size_t Read(char* buffer, std::size_t capacity);

 private:
  // The platform's handle, kept out of sight so that only SystemCalls.cpp knows the platform.
  struct Handle;
  std::filesystem::path path_;
  std::unique_ptr<Handle> handle_;
};

}  // namespace framework
