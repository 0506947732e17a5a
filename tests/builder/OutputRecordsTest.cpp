#include <gtest/gtest.h>

#include <limits>

#include "builder/OutputRecords.h"
#include "builder/UnusableNumber.h"

namespace builder {
namespace {

TEST(OutputRecords, TitleRecordKeepsEveryBlankOfTitleAndTail) {
  EXPECT_EQ(TitleRecord(" Square ", " 12 Test square"), "9999 9999  Square   12 Test square\n");
  EXPECT_EQ(TitleRecord("small dot ", " 3 A dot"), "9999 9999 small dot   3 A dot\n");
  EXPECT_EQ(TitleRecord(" Circle ", " 5  circle"), "9999 9999  Circle   5  circle\n");
}

TEST(OutputRecords, AttributeRecordHasItsFixedBlankRuns) {
  EXPECT_EQ(AttributeRecord("512"), " 512  999.0 -999.0 UN   0   0   1     1\n");
  EXPECT_EQ(AttributeRecord("512.7"), " 512.7  999.0 -999.0 UN   0   0   1     1\n");
}

TEST(OutputRecords, VertexRecordJoinsItsTokensWithSingleBlanks) {
  EXPECT_EQ(VertexRecord(-12.5, 130.25, "3"), "-12.5000 130.2500 3\n");
  EXPECT_EQ(VertexRecord(30.00013191, -0.00004, " 2"), "30.0001 -0.0000  2\n");
  EXPECT_EQ(DotVertexRecord(30.5, -0.25, "3"), "30.5 -0.25 3\n");
  EXPECT_EQ(kEndRecord, "99.0000 99.0000 3\n");
}

TEST(OutputRecords, ALatitudePastAPoleIsWrittenAsThePole) {
  const struct {
    double latitude;
    const char* record;
    const char* dotRecord;
  } cases[] = {
      {90.00007, "90.0000 200.0000 2\n", "90 200 2\n"},          {1e300, "90.0000 200.0000 2\n", "90 200 2\n"},
      {-90.000001, "-90.0000 200.0000 2\n", "-90 200 2\n"},      {89.99996, "90.0000 200.0000 2\n", "89.99996 200 2\n"},
      {-89.99996, "-90.0000 200.0000 2\n", "-89.99996 200 2\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(VertexRecord(c.latitude, 200, "2"), c.record) << c.latitude;
    EXPECT_EQ(DotVertexRecord(c.latitude, 200, "2"), c.dotRecord) << c.latitude;
  }
}

// No reader takes "nan" or "inf" for a coordinate.
TEST(OutputRecords, ACoordinateThatIsNotFiniteRaises) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double infinity = std::numeric_limits<double>::infinity();
  for (const double bad : {nan, infinity, -infinity}) {
    EXPECT_THROW(VertexRecord(bad, 20, "3"), UnusableNumberException) << bad;
    EXPECT_THROW(VertexRecord(30, bad, "3"), UnusableNumberException) << bad;
    EXPECT_THROW(DotVertexRecord(bad, 20, "3"), UnusableNumberException) << bad;
    EXPECT_THROW(DotVertexRecord(30, bad, "3"), UnusableNumberException) << bad;
  }
}

}  // namespace
}  // namespace builder
