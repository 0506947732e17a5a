#include "files/ParameterFileReader.h"

#include "files/LineStore.h"

namespace files {

void ReadParameterFile(const std::shared_ptr<framework::FolderItem>& file) {
  Module1::total = 0;
  ReadLinesInto(file, Module1::gSymbolParameters, Module1::total);
}

}  // namespace files
