#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "builder/OutputRecords.h"
#include "builder/Rotate.h"
#include "framework/Text.h"

namespace builder {
namespace {

// Ten decimals are the digits to match: the truncated constants show from the fifth on.
std::string TenDecimals(double value) { return framework::Format(value, "-0.0000000000"); }

struct RotateCase {
  const char* what;
  double axisLatitude, axisLongitude, angle, pointLatitude, pointLongitude;
  const char* latitude;
  const char* longitude;
};

class RotateValues : public testing::TestWithParam<RotateCase> {};

TEST_P(RotateValues, MatchToTenDecimals) {
  const RotateCase& c = GetParam();
  double latitude = 0;
  double longitude = 0;
  Rotate(c.axisLatitude, c.axisLongitude, c.angle, c.pointLatitude, c.pointLongitude, latitude, longitude);
  EXPECT_EQ(TenDecimals(latitude), c.latitude) << c.what;
  if (c.longitude != nullptr) {
    EXPECT_EQ(TenDecimals(longitude), c.longitude) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rotation, RotateValues,
    testing::Values(RotateCase{"zero angle moves the point", 0, 0, 0, 30, 20, "30.0001319193", "19.9999825118"},
                    RotateCase{"zero angle, second point", 0, 0, 0, 10, 100, "10.0001486426", "99.9999156186"},
                    RotateCase{"zero angle, southern point", 0, 0, 0, -30, -120, "-29.9998179108", "-119.9998988953"},
                    RotateCase{"placement of the centre", 0, -70, 30, 0, 20, "30.0001319192", "20.0000146415"},
                    RotateCase{"placement one degree north", 0, -70, 30, 1, 20, "31.0001310831", "20.0000139873"},
                    RotateCase{"placement one degree east", 0, -70, 30, 0, 21, "29.9950944139", "21.1546757329"},
                    RotateCase{"Y of zero", 0, -90, 0, 0, 0, "0.0001570042", "-0.0000007648"},
                    RotateCase{"north pole nudged", 0, 0, 0, 90, 0, "89.9000818329", nullptr},
                    RotateCase{"south pole nudged", 0, 0, 0, -90, 0, "-89.8997678245", nullptr},
                    RotateCase{"axis at the pole is not nudged", 90, 0, 90, 30, 20, "30.0001319193", "109.9999072569"},
                    RotateCase{"bearing 90 turns north to east", 30, 20, -90, 31, 20, "29.9950951683", "21.1546436121"},
                    RotateCase{"bearing -90 turns north to west", 30, 20, 90, 31, 20, "29.9950951683", "18.8453214116"},
                    RotateCase{"bearing 180 turns north to south", 30, 20, -180, 31, 20, "29.0001327554",
                               "19.9999855457"},
                    RotateCase{"longitude 190 comes back west", 0, 0, 0, 0, 190, "0.0001570042", "-170.0001611660"},
                    RotateCase{"longitude 180", 0, 0, 0, 0, 180, "0.0001570042", "179.9998487254"},
                    RotateCase{"longitude -180", 0, 0, 0, 0, -180, "0.0001570042", "-179.9998487254"}));

TEST(Rotate, ZeroYGivesTheLongitudeOfAnInfiniteQuotient) {
  double latitude = 0;
  double longitude = 0;
  Rotate(0, -90, 0, 0, 0, latitude, longitude);
  EXPECT_EQ(framework::Format(longitude, "-0.0000000000000"), "-0.0000007648485");
  // Any point at longitude 0 turned by 0 reaches the same case.
  Rotate(0, 0, 0, 40, 0, latitude, longitude);
  EXPECT_EQ(framework::Format(longitude, "-0.0000000000000"), "-0.0000007648485");
}

TEST(Rotate, ResultsNearTheNorthPolePassNinetyAndAreWrittenAsNinety) {
  struct Case {
    double centreLatitude;
    const char* fourDecimals;
  };
  for (const Case& c : {Case{89.99999, "90.0001"}, Case{89.9999, "90.0000"}}) {
    const GeoPoint placed = PlaceAtCentre(c.centreLatitude, 20, 0, 20);
    EXPECT_EQ(framework::Format(placed.latitude, "-0.0000"), c.fourDecimals) << c.centreLatitude;
    EXPECT_EQ(VertexRecord(placed.latitude, placed.longitude, "3").substr(0, 8), "90.0000 ") << c.centreLatitude;
  }
  double latitude = 0;
  double longitude = 0;
  Rotate(0, -70, 89.99999, 0, 20, latitude, longitude);
  EXPECT_GT(latitude, 90.00007);
  EXPECT_LT(latitude, 90.00008);
  Rotate(0, 0, 0, 89.999999, 20, latitude, longitude);
  EXPECT_GT(latitude, 90.00007);
  EXPECT_LT(latitude, 90.00009);
}

TEST(Rotate, AResultOnAPoleHasTheLatitudeOfThatPole) {
  // Turned by 0, a point keeps its Z; these latitudes just past a pole make Z exactly 1 and -1.
  const struct {
    double pointLatitude;
    double latitude;
  } cases[] = {{90.0000001, 90}, {-90.000152, -90}};
  for (const auto& c : cases) {
    double latitude = 0;
    double longitude = 0;
    Rotate(0, 0, 0, c.pointLatitude, 20, latitude, longitude);
    EXPECT_EQ(latitude, c.latitude) << c.pointLatitude;
  }
}

TEST(Rotate, NaNInAnyInputGivesNaNOut) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inputs[5] = {0, -70, 30, 1, 20};
  for (int k = 0; k < 5; ++k) {
    double in[5] = {inputs[0], inputs[1], inputs[2], inputs[3], inputs[4]};
    in[k] = nan;
    double latitude = 0;
    double longitude = 0;
    Rotate(in[0], in[1], in[2], in[3], in[4], latitude, longitude);
    EXPECT_TRUE(std::isnan(latitude)) << "input " << k;
    EXPECT_TRUE(std::isnan(longitude)) << "input " << k;
  }
}

TEST(Rotate, OutputsMayAliasThePointInputs) {
  double latitude = 31;
  double longitude = 20;
  Rotate(30, 20, -90, latitude, longitude, latitude, longitude);
  EXPECT_EQ(TenDecimals(latitude), "29.9950951683");
  EXPECT_EQ(TenDecimals(longitude), "21.1546436121");
}

TEST(Rotate, PlacementAndBearingTurnAreTheRotationsTheGeneratorsUse) {
  const GeoPoint placed = PlaceAtCentre(30, 20, 1, 20);
  EXPECT_EQ(TenDecimals(placed.latitude), "31.0001310831");
  EXPECT_EQ(TenDecimals(placed.longitude), "20.0000139873");
  const GeoPoint turned = TurnByBearing(30, 20, -90, GeoPoint{31, 20});
  EXPECT_EQ(TenDecimals(turned.latitude), "29.9950951683");
  EXPECT_EQ(TenDecimals(turned.longitude), "21.1546436121");
}

}  // namespace
}  // namespace builder
