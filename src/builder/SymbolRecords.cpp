#include "builder/SymbolRecords.h"

#include "builder/PlateId.h"

namespace builder {

void AppendSymbolHeader(std::string_view kindTitle, const SymbolLine& line) {
  // A plate ID no reader takes stops the symbol before any of it is appended.
  const String plateId = PlateIdOf(line.plateIdField);
  AppendRecord([&] { return TitleRecord(kindTitle, line.titleTail); });
  AppendRecord([&] { return AttributeRecord(plateId); });
}

void AppendEndRecord() {
  AppendRecord([] { return String(kEndRecord); });
}

}  // namespace builder
