#include <cmath>

#include "builder/BuildFaults.h"
#include "builder/DigitTableLine.h"
#include "builder/KindGenerators.h"
#include "builder/Rotate.h"
#include "builder/SymbolRecords.h"
#include "framework/Conversions.h"
#include "framework/Exceptions.h"
#include "framework/Nil.h"
#include "framework/Runtime.h"
#include "framework/Text.h"

namespace builder {
namespace {

// The minus dash starts this far west of the working glyph point, less one digit advance, and
// runs on westward for its length; in glyph units.
constexpr double kDashStart = 0.75;
constexpr double kDashLength = 0.25;

// A coordinate beyond a double's range puts every vertex drawn from the point past the largest
// number: the fault is the table line's, not the parameter line's.
void RequireFiniteGlyph(const BuildContext& context) {
  if (std::isfinite(context.glyphNorthSouth) && std::isfinite(context.glyphEastWest)) return;
  const framework::StringArray& table = framework::NotNil(Module1::gNumbers, "gNumbers");
  const Int32 j = context.glyphLine;
  framework::AtInputLine(
      "digit table", j, [&] { throw CoordinateBeyondRange(table(j)); },
      [&](const framework::RuntimeException& error) { return DigitTableLineFault(table, j, error); });
}

// The working glyph point, scaled by the half size, placed at the centre and turned by the bearing.
String GlyphVertex(const BuildContext& context, const SymbolLine& line, std::string_view penCode) {
  RequireFiniteGlyph(context);
  const double h = line.halfSize;
  const GeoPoint placed = PlaceAtCentre(line.centreLatitude, line.centreLongitude, context.glyphNorthSouth * h,
                                        line.centreLongitude + (context.glyphEastWest * h));
  const GeoPoint turned = TurnByBearing(line.centreLatitude, line.centreLongitude, line.negatedBearing, placed);
  return VertexRecord(turned.latitude, turned.longitude, penCode);
}

}  // namespace

void GenerateNumericLabel(BuildContext& context, const SymbolLine& line) {
  AppendSymbolHeader(" Numeric Label ", line);
  const framework::StringArray& table = framework::NotNil(Module1::gNumbers, "gNumbers");
  for (Int32 position = 1; position <= line.digitCount; ++position) {
    framework::LoopYield();
    const String digitText = framework::Str(context.digits(position));
    // No index by digit: every position reads every line, in table order.
    for (Int32 j = 1; j <= Module1::gNumTotal; ++j) {
      framework::LoopYield();
      const GlyphPoint glyph = framework::AtInputLine(
          "digit table", j, [&] { return ReadDigitTableLine(table(j)); },
          [&](const framework::RuntimeException& error) { return DigitTableLineFault(table, j, error); });
      context.glyphLine = j;
      context.glyphNorthSouth = glyph.northSouth;
      context.glyphEastWest = glyph.eastWest + (line.digitAdvance * framework::ToDouble(position));
      if (framework::StringEquals(glyph.digitKey, digitText))
        AppendRecord([&] { return GlyphVertex(context, line, glyph.penCode); });
    }
  }
  if (line.negative) {
    AppendRecord([&] {
      context.glyphEastWest = (context.glyphEastWest - line.digitAdvance) - kDashStart;
      return GlyphVertex(context, line, "3");
    });
    AppendRecord([&] {
      context.glyphEastWest = context.glyphEastWest - kDashLength;
      return GlyphVertex(context, line, "2");
    });
  }
  AppendEndRecord();
}

}  // namespace builder
