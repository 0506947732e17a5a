#pragma once

#include <memory>

#include "framework/FolderItem.h"

namespace files {

// The file's lines replace the parameter lines held, counted afresh in total. An open or read
// error, or a 501st line, raises explained to a person with the file's path.
void ReadParameterFile(const std::shared_ptr<framework::FolderItem>& file);

}  // namespace files
