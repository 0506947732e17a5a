#pragma once

#include "framework/FolderItem.h"

namespace files {

// The file as the reports to a person name it: its path in quotes, as the details do. Appended
// piece by piece: GCC 12 warns falsely of an overlap in a literal + string (its bug 105329).
inline framework::String Quoted(const framework::FolderItem& file) {
  framework::String quoted(1, '"');
  return quoted.append(file.Path().string()).append(1, '"');
}

}  // namespace files
