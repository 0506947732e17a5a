#pragma once

#include <memory>

#include "framework/FolderItem.h"

namespace files {

// Every output record, unchanged, to the file. The file is replaced only when every record was
// written; a save that raises leaves it as it was, or absent, and says so to a person. What is
// there and no regular file, as a pipe or a device, is refused before anything is written.
void SaveSymbolFile(const std::shared_ptr<framework::FolderItem>& file);

}  // namespace files
