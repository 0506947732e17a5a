#pragma once

#include <vector>

#include "framework/Array.h"
#include "framework/Types.h"

namespace builder {

using framework::Int32;
using framework::String;

// What a build keeps from one parameter line to the next.
struct BuildContext {
  // The last line as split: the host shows its field 0, the symbol number, exactly as typed.
  framework::StringArray fields{-1};
  // Never cleared: positions above a line's digit count keep earlier lines' digits, which the host shows.
  framework::Int32Array digits{10};
  // The Numeric Label's working glyph point, in glyph units: a minus dash starts from wherever the
  // last glyph point read, or the last dash, left it, on this line or an earlier one.
  double glyphNorthSouth = 0.0;
  double glyphEastWest = 0.0;
  // The digit-table line that point was last read from, which a fault of the point names; 0 before
  // any.
  Int32 glyphLine = 0;
};

// Every figure is laid out about this offset from its centre, in degrees of arc. Adding it turns a
// -0 into +0, so a centre longitude of -0 is placed as 0 is.
inline constexpr double kCentreOffset = 0.0;

// The numeric fields of a parameter line that a kind's vertices can be computed from, as flags.
enum NumberField : unsigned { kLatitudeField = 1u, kLongitudeField = 2u, kSizeField = 4u, kBearingField = 8u };

// A numeric field whose text lies beyond a double's range. It is used as the infinity it reads
// as: only a vertex computed from it, which no record can hold, stops the build, and names it.
struct FieldBeyondRange {
  NumberField field;
  const char* name;
  String text;  // as split
};

// Values of one parameter line, handed unchanged to every kind generator.
struct SymbolLine {
  String symbolKind;
  double halfSize = 0.0;  // degrees of arc; for the Numeric Label, degrees of arc per glyph unit
  String titleTail;
  double negatedBearing = 0.0;   // degrees, counterclockwise
  String plateIdField;           // as split: the attribute record writes the plate ID it gives
  double centreLatitude = 0.0;   // degrees
  double centreLongitude = 0.0;  // degrees
  // The centre offset plus and minus the half size, in degrees of arc: where the outlines' sides
  // and tips lie.
  double northOffset = 0.0;
  double southOffset = 0.0;
  double eastOffset = 0.0;
  double westOffset = 0.0;
  Int32 digitCount = 0;
  bool negative = false;                            // the sign flag
  double splitRemainder = 0.0;                      // what the digit split leaves, shown by the host
  double digitAdvance = 0.0;                        // glyph units from one digit position to the next
  std::vector<FieldBeyondRange> fieldsBeyondRange;  // in field order
};

}  // namespace builder
