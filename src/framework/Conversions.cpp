#include "framework/Conversions.h"

#include <cmath>
#include <limits>

namespace framework {

Int32 ToInt32(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lowest = std::numeric_limits<Int32>::min();
  constexpr double highest = std::numeric_limits<Int32>::max();
  if (value <= lowest) return std::numeric_limits<Int32>::min();
  if (value >= highest) return std::numeric_limits<Int32>::max();
  return static_cast<Int32>(value);
}

double ToDouble(Int32 value) { return static_cast<double>(value); }

}  // namespace framework
