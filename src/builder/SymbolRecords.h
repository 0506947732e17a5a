#pragma once

#include <string_view>
#include <utility>

#include "builder/OutputRecords.h"
#include "builder/SymbolLine.h"
#include "state/Module1.h"

// Appending one symbol's records to the output.
namespace builder {

// The count is raised before makeRecord runs, so a vertex is computed only once its place is
// taken.
template <typename MakeRecord>
void AppendRecord(MakeRecord&& makeRecord) {
  Module1::Append(Module1::gStringArray, Module1::ginc, std::forward<MakeRecord>(makeRecord));
}

// The title record, then the attribute record.
void AppendSymbolHeader(std::string_view kindTitle, const SymbolLine& line);
void AppendEndRecord();

}  // namespace builder
