#include "files/SymbolFileWriter.h"

#include "framework/FileDialogs.h"
#include "framework/Runtime.h"
#include "framework/TextOutputStream.h"
#include "state/Module1.h"

namespace files {

void SaveSymbolFile() {
  framework::SaveAsDialog dialog;
  const auto file = dialog.ShowModal();
  if (!file) return;
  const auto stream = framework::TextOutputStream::Create(file);
  const framework::Int32 count = Module1::ginc;
  const auto& records = framework::NotNil(Module1::gStringArray, "gStringArray");
  for (framework::Int32 index = 1; index <= count; ++index) {
    framework::LoopYield();
    stream->Write(records(index));
  }
}

}  // namespace files
