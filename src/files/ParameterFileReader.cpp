#include "files/ParameterFileReader.h"

#include "files/LineStore.h"
#include "framework/FileDialogs.h"

namespace files {

void ReadParameterFile() {
  // Before the dialog, so that a cancel also leaves no parameter line in use.
  Module1::total = 0;
  framework::OpenDialog dialog;
  const auto file = dialog.ShowModal();
  if (!file) return;
  ReadLinesInto(file, Module1::gSymbolParameters, Module1::total);
}

}  // namespace files
