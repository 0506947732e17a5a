#pragma once

#include "framework/Array.h"
#include "framework/Types.h"

namespace builder {

using framework::Int32;
using framework::String;

// Values made once per build and shared by every parameter line of it.
struct BuildContext {
  framework::StringArray fields{-1};
  framework::DoubleArray northSouthOffsets{50};
  framework::DoubleArray eastWestOffsets{50};
  // Never cleared during a build: positions above the digit count keep earlier lines' digits.
  framework::Int32Array digits{10};
  double circleDegreeFactor = 0.0;
  // The Numeric Label's working glyph point lives for the whole build.
  double glyphNorthSouth = 0.0;
  double glyphEastWest = 0.0;
};

// Values of one parameter line, handed unchanged to every kind generator.
struct SymbolLine {
  String symbolKind;
  double halfSize = 0.0;
  String titleTail;
  double negatedBearing = 0.0;
  String plateId;
  double centreLatitude = 0.0;
  double centreLongitude = 0.0;
  double northSouthCentreOffset = 0.0;
  double eastWestCentreOffset = 0.0;
  Int32 digitCount = 0;
  bool negative = false;  // the sign flag
  double splitRemainder = 0.0;
  double digitAdvance = 0.0;
};

}  // namespace builder
