#pragma once

// Turning points on the sphere. Every latitude, longitude and angle here is in degrees; an offset
// laid out about the equator is in degrees of arc.
namespace builder {

// Turns the point (pointLatitude, pointLongitude) about the axis through (axisLatitude,
// axisLongitude) by angle, counterclockwise seen from above the axis point. The inputs are taken
// by value, so the outputs may be the very variables that supplied the point. The truncated
// constants let a result within about 0.00008 degree of the north pole come back a little past 90.
void Rotate(double axisLatitude, double axisLongitude, double angle, double pointLatitude, double pointLongitude,
            double& outLatitude, double& outLongitude);

struct GeoPoint {
  double latitude = 0.0;
  double longitude = 0.0;
};

// Carries a point laid out around the equator point (0, centreLongitude) to the centre:
// dLat is its north-south offset in degrees of arc, pointLongitude the centre longitude plus its
// east-west offset in degrees of arc.
GeoPoint PlaceAtCentre(double centreLatitude, double centreLongitude, double dLat, double pointLongitude);

// Turns a placed point about the centre by the negated bearing: a positive bearing turns clockwise
// on a north-up map.
GeoPoint TurnByBearing(double centreLatitude, double centreLongitude, double negatedBearing, GeoPoint point);

}  // namespace builder
