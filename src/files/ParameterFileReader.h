#pragma once

#include <memory>

#include "framework/FolderItem.h"

namespace files {

// The file's lines replace the parameter lines held, counted afresh in total.
void ReadParameterFile(const std::shared_ptr<framework::FolderItem>& file);

}  // namespace files
