#include "framework/TextOutputStream.h"

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstring>

#include "framework/Exceptions.h"

namespace framework {
namespace {

// The system's error number where it left one, else the toolkit's code for the failure; never 0,
// which would read as no error.
Int32 ErrorCode(const QSaveFile& file, int systemError) {
  if (systemError != 0) return systemError;
  const auto code = static_cast<Int32>(file.error());
  return code != 0 ? code : EIO;
}

// The system's text where it left an error number: the toolkit says "Unknown error" for a write
// cut short, as by a full disk or a file-size limit.
String Reason(const std::filesystem::path& path, const char* action, const QSaveFile& file, int systemError) {
  const String why = systemError != 0 ? String(std::strerror(systemError)) : file.errorString().toStdString();
  return String(action) + " \"" + path.string() + "\": " + why;
}

}  // namespace

std::shared_ptr<TextOutputStream> TextOutputStream::Create(const std::shared_ptr<FolderItem>& file) {
  if (!file) throw NilObjectException("the file to create is Nil");
  auto saveFile = std::make_unique<QSaveFile>(QString::fromStdString(file->Path().string()));
  errno = 0;
  if (!saveFile->open(QIODevice::WriteOnly)) {
    const int systemError = errno;
    const Int32 code = ErrorCode(*saveFile, systemError);
    file->SetLastErrorCode(code);
    throw IOException(code, Reason(file->Path(), "cannot create", *saveFile, systemError));
  }
  return std::shared_ptr<TextOutputStream>(new TextOutputStream(std::move(saveFile), file->Path()));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file, std::filesystem::path path)
    : file_(std::move(file)), path_(std::move(path)) {}

// Without a commit, QSaveFile removes its temporary file.
TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::Write(const String& text) {
  errno = 0;
  const auto size = static_cast<qint64>(text.size());
  if (file_->write(text.data(), size) != size) {
    const int systemError = errno;
    lastErrorCode_ = ErrorCode(*file_, systemError);
    throw IOException(lastErrorCode_, Reason(path_, "cannot write", *file_, systemError));
  }
}

void TextOutputStream::Commit() {
  errno = 0;
  // The buffered tail is written first: commit() would rename a file whose last write failed.
  if (!file_->flush() || !file_->commit()) {
    const int systemError = errno;
    lastErrorCode_ = ErrorCode(*file_, systemError);
    throw IOException(lastErrorCode_, Reason(path_, "cannot save", *file_, systemError));
  }
}

}  // namespace framework
