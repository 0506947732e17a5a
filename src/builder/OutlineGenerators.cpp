#include "builder/KindGenerators.h"

namespace builder {

void GenerateOutline(OutlineKind /*kind*/, BuildContext& /*context*/, const SymbolLine& /*line*/) {}

}  // namespace builder
