#include "framework/TextInputStream.h"

#include "framework/Exceptions.h"

namespace framework {

std::shared_ptr<TextInputStream> TextInputStream::Open(const std::shared_ptr<FolderItem>& file) {
  if (!file) throw NilObjectException("the file to open is Nil");
  try {
    return std::shared_ptr<TextInputStream>(new TextInputStream(file->Path()));
  } catch (const IOException& error) {
    file->SetLastErrorCode(error.ErrorNumber());
    throw;
  }
}

TextInputStream::TextInputStream(const std::filesystem::path& path)
    : file_(path), reader_([this](char* buffer, std::size_t capacity) { return file_.Read(buffer, capacity); }) {}

}  // namespace framework
