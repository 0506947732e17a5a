#include "files/SymbolFileWriter.h"

#include "framework/Nil.h"
#include "framework/Runtime.h"
#include "framework/TextOutputStream.h"
#include "state/Module1.h"

namespace files {

void SaveSymbolFile(const std::shared_ptr<framework::FolderItem>& file) {
  const auto stream = framework::TextOutputStream::Create(file);
  const framework::Int32 count = Module1::ginc;
  const auto& records = framework::NotNil(Module1::gStringArray, "gStringArray");
  for (framework::Int32 index = 1; index <= count; ++index) {
    framework::LoopYield();
    stream->Write(records(index));
  }
  stream->Commit();
}

}  // namespace files
