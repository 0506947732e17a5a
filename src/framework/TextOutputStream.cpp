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
IOException Failure(const std::filesystem::path& path, const char* action, const QSaveFile& file, int systemError) {
  String why = systemError != 0 ? String(std::strerror(systemError)) : file.errorString().toStdString();
  String message = String(action) + " \"" + path.string() + "\": " + why;
  return IOException(ErrorCode(file, systemError), std::move(message), std::move(why));
}

}  // namespace

std::shared_ptr<TextOutputStream> TextOutputStream::Create(const std::shared_ptr<FolderItem>& file) {
  if (!file) throw NilObjectException("the file to create is Nil");
  auto saveFile = std::make_unique<QSaveFile>(QString::fromStdString(file->Path().string()));
  errno = 0;
  if (!saveFile->open(QIODevice::WriteOnly)) {
    const IOException failure = Failure(file->Path(), "cannot create", *saveFile, errno);
    file->SetLastErrorCode(failure.ErrorNumber());
    throw failure;
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
    const IOException failure = Failure(path_, "cannot write", *file_, errno);
    lastErrorCode_ = failure.ErrorNumber();
    throw failure;
  }
}

void TextOutputStream::Commit() {
  errno = 0;
  // The buffered tail is written first: commit() would rename a file whose last write failed.
  if (!file_->flush() || !file_->commit()) {
    const IOException failure = Failure(path_, "cannot save", *file_, errno);
    lastErrorCode_ = failure.ErrorNumber();
    throw failure;
  }
}

}  // namespace framework
