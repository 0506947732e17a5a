#include "builder/KindGenerators.h"

namespace builder {

void GenerateCircle(BuildContext& /*context*/, const SymbolLine& /*line*/) {}

}  // namespace builder
