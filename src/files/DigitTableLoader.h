#pragma once

#include "framework/Types.h"

namespace files {

inline constexpr const char* kDigitTableName = "Numbers0_9v3.csv";

// Reads the digit table afresh into gNumbers, counting in gNumTotal from 0. A missing table
// loads nothing; an open or read error, or a 501st line, raises with the lines before it kept.
void LoadDigitTable();

}  // namespace files
