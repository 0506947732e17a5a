#pragma once

#include "builder/SymbolLine.h"

namespace builder {

// Splits one parameter line into its fields and makes the values every kind generator reads,
// the digit split included. A line of fewer than eight fields raises OutOfBoundsException.
SymbolLine ReadParameterLine(const String& text, BuildContext& context);

}  // namespace builder
