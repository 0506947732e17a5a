#pragma once

#include "builder/SymbolLine.h"

// Each appends one symbol's output records for the line. All take what the build keeps across
// lines, so the driver runs them alike; only the Numeric Label uses it.
namespace builder {

enum class OutlineKind { Square, Triangle, Plus, Cross, Dot, Arrow };

void GenerateCircle(BuildContext& context, const SymbolLine& line);
void GenerateOutline(OutlineKind kind, BuildContext& context, const SymbolLine& line);
void GenerateNumericLabel(BuildContext& context, const SymbolLine& line);

}  // namespace builder
