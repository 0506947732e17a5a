#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/BuildAction.h"
#include "builder/BuildHarness.h"

namespace builder {
namespace {

using testing::ElementsAre;

using BuildEndToEnd = BuildTest;

TEST_F(BuildEndToEnd, EveryKindWritesItsRecordsInParameterFileOrder) {
  HoldParameterLines({
      "1,Ring,512,30.0,20.0,circle,2,45",
      "12,Test,512,30.0,20.0,square,2,45",
      "2,T,512,30.0,20.0,triangle,2,45",
      "3,P,512,30.0,20.0,plus,2,45",
      "4,X,512,30.0,20.0,cross,2,45",
      "5,D,42,30.0,20.0,dot,2,45",
      "6,A,512,30.0,20.0,arrow,2,45",
      "-17,Test,512,30.0,20.0,URN,2,0",
      "8,Seven,512,30.0,20.0,7,9,0",
      "9,Blank,512,30.0,20.0, circle,2,0",
  });
  host.digitTable = {"1,0,0.25,3", "1,1,0.25,2", "7,1,0,3", "7,1,0.5,2", "7,0,0.25,2"};
  RunBuild(host);

  const auto records = Records();
  ASSERT_EQ(records.size(), 24u + 8 + 7 + 7 + 7 + 4 + 8 + 10);
  auto symbol = [&](std::size_t first, std::size_t count) {
    return std::vector<std::string>(records.begin() + static_cast<std::ptrdiff_t>(first),
                                    records.begin() + static_cast<std::ptrdiff_t>(first + count));
  };
  EXPECT_EQ(records[0], "9999 9999  Circle   1 Ring circle\n");
  EXPECT_EQ(records[2], "30.0125 21.1547 3\n");
  EXPECT_EQ(records[23], "99.0000 99.0000 3\n");
  EXPECT_THAT(symbol(24, 8),
              ElementsAre("9999 9999  Square   12 Test square\n", " 512  999.0 -999.0 UN   0   0   1     1\n",
                          "30.9950 21.1664 3\n", "28.9951 21.1432 2\n", "28.9951 18.8569 2\n", "30.9950 18.8336 2\n",
                          "30.9950 21.1664 2\n", "99.0000 99.0000 3\n"));
  EXPECT_EQ(records[32], "9999 9999  Triangle   2 T triangle\n");
  EXPECT_EQ(records[34], "31.2501 20.0000 3\n");
  EXPECT_EQ(records[39], "9999 9999  Plus Sign   3 P plus\n");
  EXPECT_EQ(records[41], "31.0001 20.0000 3\n");
  EXPECT_EQ(records[46], "9999 9999  X   4 X cross\n");
  EXPECT_EQ(records[48], "30.9950 21.1664 3\n");
  EXPECT_EQ(records[53], "9999 9999 small dot   5 D dot\n");
  EXPECT_EQ(records[54], " 101  999.0 -999.0 UN   0   0   1     1\n");
  EXPECT_THAT(records[55], testing::StartsWith("30.000131919"));
  EXPECT_EQ(records[57], "9999 9999  X   6 A arrow\n");
  EXPECT_EQ(records[59], "30.7048 20.8225 3\n");
  EXPECT_THAT(symbol(65, 10),
              ElementsAre("9999 9999  Numeric Label   -17 Test URN\n", " 512  999.0 -999.0 UN   0   0   1     1\n",
                          "29.9957 21.0969 3\n", "30.9957 21.1081 2\n", "30.9903 21.6329 3\n", "30.9819 22.2160 2\n",
                          "29.9865 21.9051 2\n", "30.0001 20.2309 3\n", "30.0003 19.9423 2\n", "99.0000 99.0000 3\n"));
  EXPECT_THAT(host.buildsDone, ElementsAre(8));
}

// Records that a slip in the geometry would change, one symbol a line, built as a user would.
TEST_F(BuildEndToEnd, RecordsAtTheEdgesOfTheGeometry) {
  const struct {
    const char* what;
    const char* parameterLine;
    std::size_t vertex;
    const char* record;
  } cases[] = {
      {"the radius is capped at 180", "1,a,512,30,20,circle,800,0", 0, "-26.8584 -160.0308 3\n"},
      {"the circle's own degree factor closes the ring", "1,a,512,30,20,circle,800,0", 360, "-26.8584 -160.0308 2\n"},
      {"a placement onto the south pole", "1,a,512,0,20,plus,180.000304,0", 1, "-90.0000 20.0000 2\n"},
      {"an exact 90 meets the pole nudge in the bearing turn", "1,a,512,90,-180,arrow,2,0", 1, "89.9001 134.9929 2\n"},
      {"the plus at longitude -0 is placed as at 0", "1,a,512,-0,-0,plus,2,0", 0, "1.0002 -0.0000 3\n"},
      {"the dot at longitude -0 is placed as at 0", "1,a,512,-0,-0,dot,2,0", 0,
       "0.00015700422649445045 -7.648484938727051e-07 3\n"},
      {"a square of size -0 at longitude -0 is placed as at 0", "1,a,512,-0,-0,square,-0,0", 0, "0.0002 -0.0000 3\n"},
      {"a ring of size -0 at longitude -0 is placed as at 0", "1,a,512,-0,-0,circle,-0,0", 0, "0.0002 -0.0000 3\n"},
  };
  for (const auto& c : cases) {
    Module1::ginc = 0;
    HoldParameterLines({c.parameterLine});
    RunBuild(host);
    const auto records = Records();
    ASSERT_GT(records.size(), c.vertex + 3) << c.what;
    EXPECT_EQ(records[c.vertex + 2], c.record) << c.what;
  }
}

// The label stops after its title, attribute and one "1" point; those are taken back.
TEST_F(BuildEndToEnd, ABadDigitTableLineStopsTheBuildAndTakesBackTheLabelItCutShort) {
  HoldParameterLines({"1,Dot,512,30,20,dot,2,0", "-17,Test,512,30.0,20.0,URN,2,0", "2,Dot,512,30,20,dot,2,0"});
  host.digitTable = {"1,0,0.25,3", "7,1,0", "7,1,0.5,2"};
  EXPECT_THROW(RunBuild(host), framework::OutOfBoundsException);
  EXPECT_TRUE(host.buildsDone.empty());
  ASSERT_EQ(Module1::ginc, 4) << "the dot's records alone";
  EXPECT_EQ(Records().back(), "99.0000 99.0000 3\n");
  for (framework::Int32 index = 5; index <= 7; ++index) EXPECT_EQ((*Module1::gStringArray)(index), "") << index;

  // A later build goes on from the dot.
  host.digitTable = {"1,0,0.25,3"};
  RunBuild(host);
  ASSERT_GT(Records().size(), 4u);
  EXPECT_EQ(Records()[4], Records()[0]);
}

}  // namespace
}  // namespace builder
