#include "files/LineStore.h"

#include "framework/Runtime.h"

namespace files {

void ReadLinesInto(const std::shared_ptr<framework::FolderItem>& file,
                   const std::shared_ptr<framework::StringArray>& array, framework::Int32& count) {
  const auto stream = framework::TextInputStream::Open(file);
  while (!stream->Eof()) {
    framework::LoopYield();
    Module1::Append(array, count, [&] { return stream->ReadLine(); });
  }
}

}  // namespace files
