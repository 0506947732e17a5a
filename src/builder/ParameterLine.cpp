#include "builder/ParameterLine.h"

#include <array>
#include <cmath>
#include <utility>

#include "framework/Conversions.h"
#include "framework/MathFunctions.h"
#include "framework/Text.h"

namespace builder {
namespace {

using framework::CDbl;
using framework::ToDouble;
using framework::ToInt32;

constexpr double kDigitAdvance = 0.7;

void NoteBeyondRange(NumberField field, const char* name, const String& text, double value, SymbolLine& line) {
  if (!std::isfinite(value)) line.fieldsBeyondRange.push_back({field, name, text});
}

void SplitDigits(const String& symbolNumber, BuildContext& context, SymbolLine& line) {
  double x = CDbl(symbolNumber);
  line.negative = x < 0;
  x = framework::Abs(x);
  const double magnitude = x;
  static constexpr std::array<std::pair<Int32, double>, 4> kPlaces{{{10000, 9999}, {1000, 999}, {100, 99}, {10, 9}}};
  for (const auto& [place, threshold] : kPlaces) {
    if (magnitude > threshold) {
      line.digitCount += 1;
      const double remainder = ToDouble(ToInt32(x) % place);
      context.digits.Store(line.digitCount, ToInt32((x - remainder) / ToDouble(place)));
      x = remainder;
    }
  }
  line.digitCount += 1;
  context.digits.Store(line.digitCount, ToInt32(x));
  line.splitRemainder = x;
}

}  // namespace

SymbolLine ReadParameterLine(const String& text, BuildContext& context) {
  SymbolLine line;
  context.fields = framework::Split(text, ",");
  const auto& fields = context.fields;
  const String& symbolNumber = fields(0);
  const String& description = fields(1);
  const String& plateId = fields(2);
  const String& latitude = fields(3);
  const String& longitude = fields(4);
  line.symbolKind = fields(5);
  String symbolSize = fields(6);
  const String& bearing = fields(7);

  // A kind of "7" has its size forced to 2; no keyword matches it, so it only shows in the labels.
  if (framework::StringEquals(line.symbolKind, "7")) symbolSize = "2";
  line.halfSize = CDbl(symbolSize) / 2;
  line.titleTail = " " + symbolNumber + " " + description + " " + line.symbolKind;
  line.negatedBearing = -CDbl(bearing);
  line.plateIdField = plateId;
  line.centreLatitude = CDbl(latitude);
  line.centreLongitude = CDbl(longitude);
  line.northOffset = kCentreOffset + line.halfSize;
  line.southOffset = kCentreOffset - line.halfSize;
  line.eastOffset = kCentreOffset + line.halfSize;
  line.westOffset = kCentreOffset - line.halfSize;
  NoteBeyondRange(kLatitudeField, "latitude", latitude, line.centreLatitude, line);
  NoteBeyondRange(kLongitudeField, "longitude", longitude, line.centreLongitude, line);
  NoteBeyondRange(kSizeField, "size", symbolSize, line.halfSize, line);
  NoteBeyondRange(kBearingField, "bearing", bearing, line.negatedBearing, line);
  SplitDigits(symbolNumber, context, line);
  line.digitAdvance = kDigitAdvance;
  return line;
}

}  // namespace builder
