#include "builder/OutputRecords.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(VertexRecord(CoordinateText(-12.5), CoordinateText(130.25), "3"), "-12.5000 130.2500 3\n");
  EXPECT_EQ(VertexRecord(CoordinateText(30.00013191), CoordinateText(-0.00004), " 2"), "30.0001 -0.0000  2\n");
  EXPECT_EQ(kEndRecord, "99.0000 99.0000 3\n");
}

}  // namespace
}  // namespace builder
