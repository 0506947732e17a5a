#include "files/LineStore.h"

#include "files/FileFaults.h"
#include "framework/Runtime.h"

namespace files {
namespace {

using framework::String;

// The count is raised before its line is read: 0 means the open failed, past the bound the line
// that did not fit.
String LinesFault(const framework::FolderItem& file, const framework::RuntimeException& error,
                  const framework::StringArray& array, framework::Int32 count, const LinesReported& reported) {
  const String named = reported.title + " " + Quoted(file);
  if (const auto* failure = dynamic_cast<const framework::IOException*>(&error)) {
    const String how =
        count == 0 ? " could not be opened: " : " could not be read at line " + std::to_string(count) + ": ";
    return named + how + failure->Reason() + ". " + reported.ifUnreadable;
  }
  if (count <= array.UpperBound()) return {};
  return named + " has a line " + std::to_string(count) + ", past the " + std::to_string(array.UpperBound()) +
         " it may hold. " + reported.ifTooManyLines;
}

}  // namespace

void ReadLinesInto(const std::shared_ptr<framework::FolderItem>& file,
                   const std::shared_ptr<framework::StringArray>& array, framework::Int32& count,
                   const LinesReported& reported) {
  try {
    const auto stream = framework::TextInputStream::Open(file);
    while (!stream->Eof()) {
      framework::LoopYield();
      Module1::Append(array, count, [&] { return stream->ReadLine(); });
    }
  } catch (framework::RuntimeException& error) {
    if (file && array) error.Explain(LinesFault(*file, error, *array, count, reported));
    throw;
  }
}

}  // namespace files
