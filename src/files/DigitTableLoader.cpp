#include "files/DigitTableLoader.h"

#include "files/LineStore.h"
#include "framework/Exceptions.h"
#include "framework/FolderItem.h"

namespace files {

void LoadDigitTable() {
  // Every build loads the table before its first symbol, so a table that fails builds none.
  const LinesReported reported{"Digit table", "No symbol was built: put a readable digit table there and build again.",
                               "No symbol was built: shorten the table to " +
                                   std::to_string(Module1::kDigitTableBound) + " lines and build again."};
  Module1::gNumTotal = 0;
  const auto file = framework::GetFolderItem(kDigitTableName, 0);
  if (file == nullptr || !file->Exists()) return;
  try {
    ReadLinesInto(file, Module1::gNumbers, Module1::gNumTotal, reported);
  } catch (framework::RuntimeException& error) {
    // The count is raised before its line is read, so it names the line that failed; 0 means
    // the open did.
    if (Module1::gNumTotal > 0) error.NameInputLine("digit table", Module1::gNumTotal);
    throw;
  }
}

}  // namespace files
