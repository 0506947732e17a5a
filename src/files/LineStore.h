#pragma once

#include <memory>

#include "framework/TextInputStream.h"
#include "state/Module1.h"

namespace files {

// Stores every line of the file in the array by the append rule, one loop pass a line.
void ReadLinesInto(const std::shared_ptr<framework::FolderItem>& file,
                   const std::shared_ptr<framework::StringArray>& array, framework::Int32& count);

}  // namespace files
