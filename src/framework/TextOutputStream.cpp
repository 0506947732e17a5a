#include "framework/TextOutputStream.h"

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstring>

#include "framework/Exceptions.h"
#include "framework/Runtime.h"

namespace framework {
namespace {

// The system's error number where it left one, else the toolkit's code for the failure.
Int32 ErrorCode(const QSaveFile& file, int systemError) {
  return systemError != 0 ? systemError : static_cast<Int32>(file.error());
}

String Reason(const std::filesystem::path& path, const char* action, const QSaveFile& file) {
  return String(action) + " \"" + path.string() + "\": " + file.errorString().toStdString();
}

}  // namespace

std::shared_ptr<TextOutputStream> TextOutputStream::Create(const std::shared_ptr<FolderItem>& file) {
  if (!file) throw NilObjectException("the file to create is Nil");
  auto saveFile = std::make_unique<QSaveFile>(QString::fromStdString(file->Path().string()));
  errno = 0;
  if (!saveFile->open(QIODevice::WriteOnly)) {
    const Int32 code = ErrorCode(*saveFile, errno);
    file->SetLastErrorCode(code);
    throw IOException(code, Reason(file->Path(), "cannot create", *saveFile));
  }
  return std::shared_ptr<TextOutputStream>(new TextOutputStream(std::move(saveFile), file->Path()));
}

TextOutputStream::TextOutputStream(std::unique_ptr<QSaveFile> file, std::filesystem::path path)
    : file_(std::move(file)), path_(std::move(path)) {}

TextOutputStream::~TextOutputStream() {
  if (lastErrorCode_ != 0) return;  // the temporary file is discarded; the target stays as it was
  errno = 0;
  if (!file_->commit()) {
    const Int32 code = ErrorCode(*file_, errno);
    ReportException(IOException(code, Reason(path_, "cannot save", *file_)));
  }
}

void TextOutputStream::Write(const String& text) {
  errno = 0;
  const auto size = static_cast<qint64>(text.size());
  if (file_->write(text.data(), size) != size) {
    lastErrorCode_ = ErrorCode(*file_, errno);
    if (lastErrorCode_ == 0) lastErrorCode_ = EIO;
    throw IOException(lastErrorCode_, Reason(path_, "cannot write", *file_));
  }
}

}  // namespace framework
