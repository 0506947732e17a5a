#include "builder/PlateId.h"

#include <cmath>

#include "builder/UnusableNumber.h"
#include "framework/Conversions.h"
#include "framework/Text.h"

namespace builder {
namespace {

constexpr double kLowest = 100;
constexpr double kHighest = 999;
constexpr const char* kOutsideTheRange = "101";

}  // namespace

framework::String PlateIdOf(const framework::String& field) {
  const double value = framework::CDbl(field);
  if (value > kHighest || value < kLowest) return kOutsideTheRange;
  if (value != std::trunc(value)) throw UnusableNumberException::PlateIdNotWhole(field);
  return framework::Str(framework::ToInt32(value));
}

}  // namespace builder
