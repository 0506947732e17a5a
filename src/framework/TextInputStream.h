#pragma once

#include <memory>

#include "framework/FolderItem.h"
#include "framework/LineReader.h"

namespace framework {

// Releasing the stream closes its file.
class TextInputStream {
 public:
  // Raises NilObjectException for a Nil file and IOException when it cannot be opened for reading.
  static std::shared_ptr<TextInputStream> Open(const std::shared_ptr<FolderItem>& file);
  ~TextInputStream();
  TextInputStream(const TextInputStream&) = delete;
  TextInputStream& operator=(const TextInputStream&) = delete;

  // The end-of-file test (EOF is taken by the C library's macro).
  bool Eof() { return reader_.AtEnd(); }
  // The next line without its line end; raises IOException on a read error.
  String ReadLine() { return reader_.ReadLine(); }

 private:
  TextInputStream(int descriptor, std::filesystem::path path);

  int descriptor_;
  std::filesystem::path path_;
  LineReader reader_;
};

}  // namespace framework
