#include "builder/KindGenerators.h"
#include "builder/Rotate.h"
#include "builder/SymbolRecords.h"
#include "framework/Conversions.h"
#include "framework/MathFunctions.h"
#include "framework/Runtime.h"
#include "framework/Text.h"

namespace builder {
namespace {

using framework::ToDouble;
using framework::ToInt32;

constexpr double kLargestRadius = 180;  // degrees of arc, as the half size
constexpr Int32 kFewestVertices = 10;
constexpr Int32 kMostVertices = 360;
constexpr double kVerticesPerDegree = 20;
constexpr Int32 kFirstAngle = 1;
constexpr Int32 kMovePen = 3;
constexpr Int32 kDrawPen = 2;
// The ring's own degree factor, the double nearest 1 / 57.29578: not Rotate's.
constexpr double kDegreeFactor = 0.01745329237161969;

}  // namespace

void GenerateCircle(BuildContext& /*context*/, const SymbolLine& line) {
  AppendSymbolHeader(" Circle ", line);
  double radius = line.halfSize;
  if (radius > kLargestRadius) radius = kLargestRadius;
  Int32 vertexCount = ToInt32(radius * kVerticesPerDegree);
  if (vertexCount > kMostVertices) vertexCount = kMostVertices;
  if (vertexCount < kFewestVertices) vertexCount = kFewestVertices;
  const Int32 step = ToInt32(360 / ToDouble(vertexCount));
  // The ring goes one step past a full turn, so it closes on (or overlaps) its first vertex.
  const Int32 loopEnd = 360 + step;
  for (Int32 angle = kFirstAngle; angle <= loopEnd; angle += step) {
    framework::LoopYield();
    const double radians = ToDouble(angle) * kDegreeFactor;
    const double dLon = kCentreOffset + (framework::Cos(radians) * radius);
    const double dLat = kCentreOffset + (framework::Sin(radians) * radius);
    const Int32 pen = angle == kFirstAngle ? kMovePen : kDrawPen;
    AppendRecord([&] {
      const GeoPoint vertex =
          PlaceAtCentre(line.centreLatitude, line.centreLongitude, dLat, dLon + line.centreLongitude);
      return VertexRecord(vertex.latitude, vertex.longitude, framework::Str(pen));
    });
  }
  AppendEndRecord();
}

}  // namespace builder
