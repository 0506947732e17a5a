#pragma once

#include <string_view>

#include "builder/UnusableNumber.h"

// One line of the digit table: a glyph point of one digit.
namespace builder {

// Views into the line it was read from, which must outlive it.
struct GlyphPoint {
  std::string_view digitKey;
  // In glyph units from the glyph's origin at its bottom left; a glyph unit is the half size.
  double northSouth = 0.0;
  double eastWest = 0.0;
  std::string_view penCode;
};

// Reads the first four comma-separated fields in order, as they stand; later fields are ignored.
// The first missing field raises OutOfBoundsException with its index and the line's last field
// index, as fetching it from the split line would. Nothing is allocated: every Numeric Label reads
// the whole table once per digit.
GlyphPoint ReadDigitTableLine(std::string_view line);

// For a line one of whose coordinates lies beyond a double's range: the fault that names the
// first such, with its text.
UnusableNumberException CoordinateBeyondRange(std::string_view line);

}  // namespace builder
