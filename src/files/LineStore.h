#pragma once

#include <memory>

#include "framework/TextInputStream.h"
#include "state/Module1.h"

namespace files {

// How the report of a file of lines that could not be read whole names it, and what it tells a
// person to do.
struct LinesReported {
  framework::String title;           // the file as the program calls it, such as "Parameter file"
  framework::String ifUnreadable;    // after the system's reason
  framework::String ifTooManyLines;  // after the line that did not fit
};

// Stores every line of the file in the array by the append rule, one loop pass a line. A file
// that cannot be opened or read, or holds more lines than the array, raises explained.
void ReadLinesInto(const std::shared_ptr<framework::FolderItem>& file,
                   const std::shared_ptr<framework::StringArray>& array, framework::Int32& count,
                   const LinesReported& reported);

}  // namespace files
