#pragma once

#include <memory>

#include "framework/FolderItem.h"

class QSaveFile;

namespace framework {

// Writes through a temporary file beside the target, which replaces the target only when the
// stream is released after writing without error: a failed save never damages an existing file.
class TextOutputStream {
 public:
  // Raises NilObjectException for a Nil file and IOException when it cannot be created.
  static std::shared_ptr<TextOutputStream> Create(const std::shared_ptr<FolderItem>& file);
  // Replaces the target; a failure then is reported, since a destructor cannot raise it.
  ~TextOutputStream();
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;

  // The text's bytes unchanged, no line end added; raises IOException on a write error.
  void Write(const String& text);
  Int32 LastErrorCode() const { return lastErrorCode_; }

 private:
  TextOutputStream(std::unique_ptr<QSaveFile> file, std::filesystem::path path);

  std::unique_ptr<QSaveFile> file_;
  std::filesystem::path path_;
  Int32 lastErrorCode_ = 0;
};

}  // namespace framework
