#include "builder/SymbolRecords.h"

namespace builder {

void AppendSymbolHeader(std::string_view kindTitle, const SymbolLine& line) {
  AppendRecord([&] { return TitleRecord(kindTitle, line.titleTail); });
  AppendRecord([&] { return AttributeRecord(line.plateId); });
}

void AppendEndRecord() {
  AppendRecord([] { return String(kEndRecord); });
}

}  // namespace builder
