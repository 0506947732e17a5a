#pragma once

#include <memory>

#include "framework/FolderItem.h"

class QSaveFile;

namespace framework {

// Writes through a temporary file beside the target, which replaces the target only at Commit:
// a stream released without it discards what it wrote, so a failed save never touches the target.
class TextOutputStream {
 public:
  // Raises NilObjectException for a Nil file and IOException when it cannot be created, as when
  // the path is a folder, a pipe, a device or a socket, which is refused before anything is written.
  static std::shared_ptr<TextOutputStream> Create(const std::shared_ptr<FolderItem>& file);
  ~TextOutputStream();
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;

  // The text's bytes unchanged, no line end added; raises IOException on a write error.
  void Write(const String& text);
  // Writes what is still buffered and replaces the target with the temporary file; raises
  // IOException with the system's reason when either fails, leaving the target as it was.
  void Commit();
  Int32 LastErrorCode() const { return lastErrorCode_; }

 private:
  TextOutputStream(std::unique_ptr<QSaveFile> file, std::filesystem::path path);

  std::unique_ptr<QSaveFile> file_;
  std::filesystem::path path_;
  Int32 lastErrorCode_ = 0;
};

}  // namespace framework
