#pragma once

#include "framework/Types.h"

namespace framework {

// Truncates toward zero; saturates at the Int32 limits; NaN gives 0.
Int32 ToInt32(double value);
double ToDouble(Int32 value);

}  // namespace framework
