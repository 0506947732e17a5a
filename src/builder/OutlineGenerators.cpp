#include <span>
#include <string_view>

#include "builder/KindGenerators.h"
#include "builder/Rotate.h"
#include "builder/SymbolRecords.h"
#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "framework/Text.h"

namespace builder {
namespace {

// Where a point's north-south offset comes from (h is the half size).
enum class NorthSouth {
  North,             // +h, the north offset
  South,             // -h, the south offset
  Centre,            // the centre offset
  Zero,              // the constant 0
  NorthPlusQuarter,  // +h + 0.25h
  SouthPlusQuarter,  // -h + 0.25h
  NorthLessHead,     // +h - 0.25, the arrow head's fixed size
};

// Where a point's longitude comes from.
enum class EastWest {
  East,      // centre longitude + h, the east offset
  West,      // centre longitude - h, the west offset
  Centre,    // centre longitude + the centre offset
  Itself,    // the centre longitude, passed as it is
  LessHead,  // centre longitude - 0.25
  MoreHead,  // centre longitude + 0.25
};

struct OutlinePoint {
  NorthSouth northSouth;
  EastWest eastWest;
  std::string_view penCode;
};

struct Outline {
  std::string_view kindTitle;
  std::span<const OutlinePoint> points;
  bool turnedByBearing;
  bool defaultNumberText;  // the dot's coordinates are written by Str, not the mask
};

using NS = NorthSouth;
using EW = EastWest;

constexpr OutlinePoint kSquare[] = {{NS::North, EW::East, "3"},
                                    {NS::South, EW::East, "2"},
                                    {NS::South, EW::West, "2"},
                                    {NS::North, EW::West, "2"},
                                    {NS::North, EW::East, "2"}};
constexpr OutlinePoint kTriangle[] = {{NS::NorthPlusQuarter, EW::Itself, "3"},
                                      {NS::SouthPlusQuarter, EW::East, "2"},
                                      {NS::SouthPlusQuarter, EW::West, "2"},
                                      {NS::NorthPlusQuarter, EW::Itself, "2"}};
constexpr OutlinePoint kPlus[] = {{NS::North, EW::Centre, "3"},
                                  {NS::South, EW::Centre, "2"},
                                  {NS::Centre, EW::East, "3"},
                                  {NS::Centre, EW::West, "2"}};
constexpr OutlinePoint kCross[] = {
    {NS::North, EW::East, "3"}, {NS::South, EW::West, "2"}, {NS::North, EW::West, "3"}, {NS::South, EW::East, "2"}};
constexpr OutlinePoint kDot[] = {{NS::Centre, EW::Centre, "3"}};
constexpr OutlinePoint kArrow[] = {{NS::North, EW::Itself, "3"},
                                   {NS::Zero, EW::Itself, "2"},
                                   {NS::NorthLessHead, EW::LessHead, "3"},
                                   {NS::North, EW::Itself, "2"},
                                   {NS::NorthLessHead, EW::MoreHead, "2"}};

constexpr double kQuarter = 0.25;    // of the half size
constexpr double kArrowHead = 0.25;  // degrees of arc, whatever the size

Outline OutlineOf(OutlineKind kind) {
  switch (kind) {
    case OutlineKind::Square: return {" Square ", kSquare, false, false};
    case OutlineKind::Triangle: return {" Triangle ", kTriangle, false, false};
    case OutlineKind::Plus: return {" Plus Sign ", kPlus, false, false};
    case OutlineKind::Cross: return {" X ", kCross, false, false};
    case OutlineKind::Dot: return {"small dot ", kDot, false, true};
    case OutlineKind::Arrow: return {" X ", kArrow, true, false};
  }
  throw framework::RuntimeException("unknown outline kind");
}

double NorthSouthOffset(NorthSouth from, const SymbolLine& line) {
  switch (from) {
    case NS::North: return line.northOffset;
    case NS::South: return line.southOffset;
    case NS::Centre: return kCentreOffset;
    case NS::Zero: return 0.0;
    case NS::NorthPlusQuarter: return line.northOffset + (kQuarter * line.halfSize);
    case NS::SouthPlusQuarter: return line.southOffset + (kQuarter * line.halfSize);
    case NS::NorthLessHead: return line.northOffset - kArrowHead;
  }
  throw framework::RuntimeException("unknown north-south offset");
}

double PointLongitude(EastWest from, const SymbolLine& line) {
  const double centre = line.centreLongitude;
  switch (from) {
    case EW::East: return centre + line.eastOffset;
    case EW::West: return centre + line.westOffset;
    case EW::Centre: return centre + kCentreOffset;
    case EW::Itself: return centre;
    case EW::LessHead: return centre - kArrowHead;
    case EW::MoreHead: return centre + kArrowHead;
  }
  throw framework::RuntimeException("unknown east-west offset");
}

}  // namespace

void GenerateOutline(OutlineKind kind, BuildContext& /*context*/, const SymbolLine& line) {
  const Outline outline = OutlineOf(kind);
  AppendSymbolHeader(outline.kindTitle, line);
  for (const OutlinePoint& point : outline.points) {
    framework::LoopYield();
    AppendRecord([&] {
      GeoPoint vertex = PlaceAtCentre(line.centreLatitude, line.centreLongitude,
                                      NorthSouthOffset(point.northSouth, line), PointLongitude(point.eastWest, line));
      if (outline.turnedByBearing)
        vertex = TurnByBearing(line.centreLatitude, line.centreLongitude, line.negatedBearing, vertex);
      if (outline.defaultNumberText) return DotVertexRecord(vertex.latitude, vertex.longitude, point.penCode);
      return VertexRecord(vertex.latitude, vertex.longitude, point.penCode);
    });
  }
  AppendEndRecord();
}

}  // namespace builder
