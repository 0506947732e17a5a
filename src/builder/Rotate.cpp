#include "builder/Rotate.h"

#include <bit>
#include <cstdint>
#include <limits>

#include "framework/MathFunctions.h"

namespace builder {
namespace {

using framework::ATan;
using framework::Cos;
using framework::Sin;
using framework::Sqrt;

// The program's truncated constants decide the printed digits, so they are pinned to the bit.
constexpr double kDegreeFactor = 0.017453277777777776;  // 3.14159 / 180
constexpr double kNorthNudge = 89.9;
constexpr double kSouthNudge = -89.9;
constexpr double kRightAngle = 1.5707949;
constexpr double kDegreesPerRadian = 57.29578;
static_assert(std::bit_cast<std::uint64_t>(kDegreeFactor) == 0x3F91DF45A50DE270);
static_assert(std::bit_cast<std::uint64_t>(kDegreeFactor * 90) == 0x3FF921F9F01B866E);
static_assert(std::bit_cast<std::uint64_t>(kNorthNudge) == 0x405679999999999A);
static_assert(std::bit_cast<std::uint64_t>(kSouthNudge) == 0xC05679999999999A);
static_assert(std::bit_cast<std::uint64_t>(kRightAngle) == 0x3FF921F9D54393D4);
static_assert(std::bit_cast<std::uint64_t>(kDegreesPerRadian) == 0x404CA5DC1E7967CB);
// A zero Y divides to an infinity (or NaN), which the longitude formula relies on.
static_assert(std::numeric_limits<double>::is_iec559);

struct UnitVector {
  double x;
  double y;
  double z;
};

UnitVector FromDegrees(double latitude, double longitude) {
  const double colatitude = (kDegreeFactor * 90) - (latitude * kDegreeFactor);
  const double sinColatitude = Sin(colatitude);
  const double lambda = longitude * kDegreeFactor;
  return {sinColatitude * Cos(lambda), sinColatitude * Sin(lambda), Cos(colatitude)};
}

}  // namespace

void Rotate(double axisLatitude, double axisLongitude, double angle, double pointLatitude, double pointLongitude,
            double& outLatitude, double& outLongitude) {
  if (pointLatitude == 90) pointLatitude = kNorthNudge;
  if (pointLatitude == -90) pointLatitude = kSouthNudge;
  const UnitVector p = FromDegrees(pointLatitude, pointLongitude);
  const UnitVector q = FromDegrees(axisLatitude, axisLongitude);
  const double theta = angle * kDegreeFactor;
  const double cosTheta = Cos(theta);
  const double sinTheta = Sin(theta);
  const double d = ((p.x * q.x) + (p.y * q.y)) + (p.z * q.z);

  // Rodrigues' formula, grouped exactly so: the printed digits follow from the grouping.
  const double x = ((cosTheta * p.x) + (((1 - cosTheta) * d) * q.x)) + (sinTheta * ((q.y * p.z) - (q.z * p.y)));
  const double y = ((cosTheta * p.y) + (((1 - cosTheta) * d) * q.y)) + (sinTheta * ((q.z * p.x) - (q.x * p.z)));
  const double z = ((cosTheta * p.z) + (((1 - cosTheta) * d) * q.z)) + (sinTheta * ((q.x * p.y) - (q.y * p.x)));

  // Next to a pole rounding can leave 1 - z*z just below 0: that is a pole too, not a NaN.
  double cosSquared = 1 - (z * z);
  if (cosSquared < 0) cosSquared = 0;
  const double s = Sqrt(cosSquared);
  if (s == 0) {
    outLatitude = z > 0 ? 90 : -90;
  } else {
    outLatitude = 90 - ((kRightAngle - ATan(z / s)) * kDegreesPerRadian);
  }

  double longitude = ATan(x / y) * kDegreesPerRadian;
  if (y < 0) longitude = longitude + 180;
  if (y > 0 && x < 0) longitude = longitude + 360;
  longitude = 90 - longitude;
  if (longitude < -180) longitude = longitude + 360;
  outLongitude = longitude;
}

GeoPoint PlaceAtCentre(double centreLatitude, double centreLongitude, double dLat, double pointLongitude) {
  GeoPoint placed;
  Rotate(0, centreLongitude - 90, centreLatitude, dLat, pointLongitude, placed.latitude, placed.longitude);
  return placed;
}

GeoPoint TurnByBearing(double centreLatitude, double centreLongitude, double negatedBearing, GeoPoint point) {
  Rotate(centreLatitude, centreLongitude, negatedBearing, point.latitude, point.longitude, point.latitude,
         point.longitude);
  return point;
}

}  // namespace builder
