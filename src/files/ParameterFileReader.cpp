#include "files/ParameterFileReader.h"

#include "files/LineStore.h"

namespace files {

void ReadParameterFile(const std::shared_ptr<framework::FolderItem>& file) {
  const framework::String bound = std::to_string(Module1::kParameterLineBound);
  const LinesReported reported{"Parameter file", "Open a file that can be read before you build.",
                               "Only its first " + bound +
                                   " lines are read, so a build makes the symbols of lines 2 to " + bound +
                                   "; put the lines after " + bound +
                                   " in a second file, under a heading line, and open and build it after "
                                   "this one."};
  Module1::total = 0;
  ReadLinesInto(file, Module1::gSymbolParameters, Module1::total, reported);
}

}  // namespace files
