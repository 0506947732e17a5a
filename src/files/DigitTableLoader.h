#pragma once

#include "state/Module1.h"

namespace files {

using Module1::kDigitTableName;

// Reads the digit table afresh into gNumbers, counting in gNumTotal from 0. A missing table
// loads nothing; an open or read error, or a 501st line, raises with the lines before it kept,
// explained to a person with the table's path.
void LoadDigitTable();

}  // namespace files
