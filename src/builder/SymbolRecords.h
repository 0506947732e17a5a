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

// Runs one kind generator. A symbol cut short would end a saved file inside a feature, which
// readers reject, so one that stops takes its records back. Not so when the records are full: the
// count stays past their bound, so that nothing more is built or saved in the run.
template <typename Generate>
void AppendWholeSymbol(Generate&& generate) {
  const Int32 before = Module1::ginc;
  try {
    std::forward<Generate>(generate)();
  } catch (...) {
    if (Module1::ginc <= Module1::kOutputRecordBound) Module1::TakeBack(Module1::gStringArray, Module1::ginc, before);
    throw;
  }
}

// The title record, then the attribute record.
void AppendSymbolHeader(std::string_view kindTitle, const SymbolLine& line);
void AppendEndRecord();

}  // namespace builder
