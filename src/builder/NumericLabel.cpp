#include "builder/KindGenerators.h"

namespace builder {

void GenerateNumericLabel(BuildContext& /*context*/, const SymbolLine& /*line*/) {}

}  // namespace builder
