#include "files/DigitTableLoader.h"

#include "files/LineStore.h"
#include "framework/FolderItem.h"

namespace files {

void LoadDigitTable() {
  Module1::gNumTotal = 0;
  const auto file = framework::GetFolderItem(kDigitTableName, 0);
  if (file == nullptr || !file->Exists()) return;
  ReadLinesInto(file, Module1::gNumbers, Module1::gNumTotal);
}

}  // namespace files
