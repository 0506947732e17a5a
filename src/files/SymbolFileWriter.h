#pragma once

namespace files {

// "3. Save Kestrovan Symbol File (.dat)": every output record, unchanged, to the named file.
void SaveSymbolFile();

}  // namespace files
