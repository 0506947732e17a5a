#pragma once

#include <memory>

#include "framework/FolderItem.h"
#include "framework/LineReader.h"
#include "framework/ReadableFile.h"

namespace framework {

// Releasing the stream closes its file.
class TextInputStream {
 public:
  // Raises NilObjectException for a Nil file and IOException when it cannot be opened for reading.
  static std::shared_ptr<TextInputStream> Open(const std::shared_ptr<FolderItem>& file);
  TextInputStream(const TextInputStream&) = delete;
  TextInputStream& operator=(const TextInputStream&) = delete;

  // The end-of-file test (EOF is taken by the C library's macro).
  bool Eof() { return reader_.AtEnd(); }
  // The next line without its line end; raises IOException on a read error.
  String ReadLine() { return reader_.ReadLine(); }

 private:
  explicit TextInputStream(const std::filesystem::path& path);

  ReadableFile file_;
  LineReader reader_;
};

}  // namespace framework
