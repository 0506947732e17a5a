#pragma once

// The settings the program makes of its process at start-up. SystemCalls.cpp, which also opens
// each ReadableFile, is the one place where the program's code calls the system directly.
namespace framework {

// Where the platform has SIGXFSZ, a write past a file-size limit then fails with EFBIG, which the
// save reports, instead of ending the program with everything built.
void IgnoreFileSizeSignal();

}  // namespace framework
