#include "framework/TextOutputStream.h"

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

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

IOException Failure(const std::filesystem::path& path, const char* action, Int32 errorNumber, String why) {
  String message = String(action) + " \"" + path.string() + "\": " + why;
  return IOException(errorNumber, std::move(message), std::move(why));
}

// The system's text where it left an error number: the toolkit says "Unknown error" for a write
// cut short, as by a full disk or a file-size limit.
IOException Failure(const std::filesystem::path& path, const char* action, const QSaveFile& file, int systemError) {
  return Failure(path, action, ErrorCode(file, systemError),
                 systemError != 0 ? String(std::strerror(systemError)) : file.errorString().toStdString());
}

// A path that is there and no regular file is refused, with the system's number for such a
// refusal; a link to a file is followed, as the save writes through it. A status that cannot be
// read is left for the open to explain.
std::optional<IOException> Refusal(const std::filesystem::path& path) {
  const auto refused = [&path](Int32 errorNumber, const char* what) {
    return Failure(path, "cannot create", errorNumber, what);
  };
  using std::filesystem::file_type;
  std::error_code unknown;
  switch (std::filesystem::status(path, unknown).type()) {
    case file_type::none:
    case file_type::not_found:
    case file_type::regular: return std::nullopt;
    case file_type::directory: return refused(EISDIR, "Is a folder, not a file");
    case file_type::fifo: return refused(ENXIO, "Is a named pipe, not a file");
    case file_type::block:
    case file_type::character: return refused(ENXIO, "Is a device, not a file");
    case file_type::socket: return refused(ENXIO, "Is a socket, not a file");
    default: return refused(ENXIO, "Is not a file");
  }
}

[[noreturn]] void FailToCreate(FolderItem& file, const IOException& failure) {
  file.SetLastErrorCode(failure.ErrorNumber());
  throw failure;
}

}  // namespace

std::shared_ptr<TextOutputStream> TextOutputStream::Create(const std::shared_ptr<FolderItem>& file) {
  if (!file) throw NilObjectException("the file to create is Nil");
  // Before anything is written: the temporary file would be renamed over a pipe, a device or a socket.
  if (const auto refusal = Refusal(file->Path())) FailToCreate(*file, *refusal);
  auto saveFile = std::make_unique<QSaveFile>(QString::fromStdString(file->Path().string()));
  errno = 0;
  if (!saveFile->open(QIODevice::WriteOnly))
    FailToCreate(*file, Failure(file->Path(), "cannot create", *saveFile, errno));
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
