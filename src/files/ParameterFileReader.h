#pragma once

namespace files {

// "1. Open Symbol Parameter File": the chosen file's lines replace the parameter lines held.
void ReadParameterFile();

}  // namespace files
