#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/BuilderFixture.h"
#include "builder/KindGenerators.h"

namespace builder {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

struct OutlineCase {
  const char* what;
  OutlineKind kind;
  const char* parameterLine;
  std::vector<std::string> vertices;
};

void PrintTo(const OutlineCase& c, std::ostream* out) { *out << c.what; }

class OutlineVertices : public GeneratorTest, public testing::WithParamInterface<OutlineCase> {};

TEST_P(OutlineVertices, AreWrittenInListOrder) {
  const OutlineCase& c = GetParam();
  GenerateOutline(c.kind, context, Line(c.parameterLine));
  EXPECT_THAT(Vertices(), ElementsAreArray(c.vertices));
  EXPECT_EQ(Module1::ginc, static_cast<Int32>(c.vertices.size()) + 3);
}

INSTANTIATE_TEST_SUITE_P(
    AtCentre30By20, OutlineVertices,
    testing::Values(OutlineCase{"square",
                                OutlineKind::Square,
                                "12,Test,512,30.0,20.0,square,2,45",
                                {"30.9950 21.1664 3", "28.9951 21.1432 2", "28.9951 18.8569 2", "30.9950 18.8336 2",
                                 "30.9950 21.1664 2"}},
                    OutlineCase{"triangle",
                                OutlineKind::Triangle,
                                "12,Test,512,30.0,20.0,triangle,2,45",
                                {"31.2501 20.0000 3", "29.2451 21.1460 2", "29.2451 18.8540 2", "31.2501 20.0000 2"}},
                    OutlineCase{"plus",
                                OutlineKind::Plus,
                                "12,Test,512,30.0,20.0,plus,2,45",
                                {"31.0001 20.0000 3", "29.0001 20.0000 2", "29.9951 21.1547 3", "29.9951 18.8454 2"}},
                    OutlineCase{"cross",
                                OutlineKind::Cross,
                                "12,Test,512,30.0,20.0,cross,2,45",
                                {"30.9950 21.1664 3", "28.9951 18.8569 2", "30.9950 18.8336 3", "28.9951 21.1432 2"}},
                    OutlineCase{"arrow, bearing 45",
                                OutlineKind::Arrow,
                                "12,Test,512,30.0,20.0,arrow,2,45",
                                {"30.7048 20.8225 3", "30.0002 20.0001 2", "30.7067 20.4113 3", "30.7048 20.8225 2",
                                 "30.3512 20.8195 2"}},
                    OutlineCase{"arrow, bearing 0",
                                OutlineKind::Arrow,
                                "12,Test,512,30.0,20.0,arrow,2,0",
                                {"31.0003 20.0000 3", "30.0003 20.0000 2", "30.7499 19.7091 3", "31.0003 20.0000 2",
                                 "30.7499 20.2909 2"}},
                    OutlineCase{"arrow, bearing 90",
                                OutlineKind::Arrow,
                                "12,Test,512,30.0,20.0,arrow,2,90",
                                {"29.9951 21.1548 3", "30.0001 20.0001 2", "30.2473 20.8683 3", "29.9951 21.1548 2",
                                 "29.7473 20.8640 2"}},
                    OutlineCase{"arrow shorter than its head",
                                OutlineKind::Arrow,
                                "12,Test,512,30.0,20.0,arrow,0.4,0",
                                {"30.2003 20.0000 3", "30.0003 20.0000 2", "29.9499 19.7115 3", "30.2003 20.0000 2",
                                 "29.9499 20.2885 2"}},
                    OutlineCase{"arrow at (60, -100) pointing west",
                                OutlineKind::Arrow,
                                "1,A,512,60,-100,arrow,1,-90",
                                {"59.9964 -101.0001 3", "60.0002 -100.0001 2", "59.7492 -100.4964 3",
                                 "59.9964 -101.0001 2", "60.2492 -100.5039 2"}},
                    OutlineCase{"square of size 0",
                                OutlineKind::Square,
                                "1,A,512,30,20,square,0,0",
                                {"30.0001 20.0000 3", "30.0001 20.0000 2", "30.0001 20.0000 2", "30.0001 20.0000 2",
                                 "30.0001 20.0000 2"}},
                    OutlineCase{"triangle of size 0",
                                OutlineKind::Triangle,
                                "1,A,512,30,20,triangle,0,0",
                                {"30.0001 20.0000 3", "30.0001 20.0000 2", "30.0001 20.0000 2", "30.0001 20.0000 2"}},
                    OutlineCase{"plus of size 0",
                                OutlineKind::Plus,
                                "1,A,512,30,20,plus,0,0",
                                {"30.0001 20.0000 3", "30.0001 20.0000 2", "30.0001 20.0000 3", "30.0001 20.0000 2"}},
                    OutlineCase{"cross of size 0",
                                OutlineKind::Cross,
                                "1,A,512,30,20,cross,0,0",
                                {"30.0001 20.0000 3", "30.0001 20.0000 2", "30.0001 20.0000 3", "30.0001 20.0000 2"}},
                    OutlineCase{"negative size turns the square's corners over",
                                OutlineKind::Square,
                                "12,Test,512,30.0,20.0,square,-2,45",
                                {"28.9951 18.8569 3", "30.9950 18.8336 2", "30.9950 21.1664 2", "28.9951 21.1432 2",
                                 "28.9951 18.8569 2"}}),
    [](const testing::TestParamInfo<OutlineCase>& param) { return "Case" + std::to_string(param.index); });

using OutlineRecords = GeneratorTest;

TEST_F(OutlineRecords, SquareWritesTitleAttributeVerticesAndEnd) {
  GenerateOutline(OutlineKind::Square, context, Line("12,Test,512,30.0,20.0,square,2,45"));
  EXPECT_THAT(Records(),
              ElementsAre("9999 9999  Square   12 Test square\n", " 512  999.0 -999.0 UN   0   0   1     1\n",
                          "30.9950 21.1664 3\n", "28.9951 21.1432 2\n", "28.9951 18.8569 2\n", "30.9950 18.8336 2\n",
                          "30.9950 21.1664 2\n", "99.0000 99.0000 3\n"));
}

TEST_F(OutlineRecords, KindTitles) {
  struct Case {
    OutlineKind kind;
    const char* parameterLine;
    const char* title;
  };
  for (const Case& c :
       {Case{OutlineKind::Triangle, "1,A,101,30,20,triangle,2,0", "9999 9999  Triangle   1 A triangle\n"},
        Case{OutlineKind::Plus, "1,A,101,30,20,plus,2,0", "9999 9999  Plus Sign   1 A plus\n"},
        Case{OutlineKind::Cross, "1,A,101,30,20,cross,2,0", "9999 9999  X   1 A cross\n"},
        Case{OutlineKind::Dot, "3,A,101,30,20,dot,2,0", "9999 9999 small dot   3 A dot\n"},
        Case{OutlineKind::Arrow, "1,A,101,30,20,arrow,2,0", "9999 9999  X   1 A arrow\n"}}) {
    Module1::ginc = 0;
    GenerateOutline(c.kind, context, Line(c.parameterLine));
    EXPECT_EQ(Records().front(), c.title);
  }
}

TEST_F(OutlineRecords, DotUsesTheDefaultNumberTextAndIgnoresSizeAndBearing) {
  for (const char* parameterLine : {"3,A,512,30.0,20.0,dot,2,45", "3,A,512,30.0,20.0,dot,1e300,1e9"}) {
    Module1::ginc = 0;
    GenerateOutline(OutlineKind::Dot, context, Line(parameterLine));
    ASSERT_EQ(Module1::ginc, 4);
    const auto vertices = Vertices();
    EXPECT_THAT(vertices.front(), testing::MatchesRegex(R"(30\.000131919[0-9]* 20\.000014641[0-9]* 3)"));
  }
}

TEST_F(OutlineRecords, DotsOnTheNorthPoleWriteLatitudeNinetyAtEveryWholeLongitude) {
  for (int longitude = -180; longitude <= 180; ++longitude) {
    Module1::ginc = 0;
    GenerateOutline(OutlineKind::Dot, context, Line("1,a,512,90," + std::to_string(longitude) + ",dot,2,0"));
    const std::string vertex = Vertices().front();
    EXPECT_EQ(vertex.substr(0, vertex.find(' ')), "90") << vertex;
    // Rounding made 1 - Z*Z negative here, and the latitude was NaN.
    if (longitude == -177) {
      EXPECT_EQ(vertex, "90 138.00019978555656 3");
    }
  }
}

TEST_F(OutlineRecords, OnlyTheArrowDependsOnTheBearing) {
  for (OutlineKind kind : {OutlineKind::Square, OutlineKind::Triangle, OutlineKind::Plus, OutlineKind::Cross,
                           OutlineKind::Dot, OutlineKind::Arrow}) {
    Module1::ginc = 0;
    GenerateOutline(kind, context, Line("1,A,512,30,20,x,2,45"));
    const auto atBearing45 = Vertices();
    Module1::ginc = 0;
    GenerateOutline(kind, context, Line("1,A,512,30,20,x,2,1e9"));
    EXPECT_EQ(Vertices() == atBearing45, kind != OutlineKind::Arrow) << static_cast<int>(kind);
  }
}

TEST_F(OutlineRecords, HugeSizesAndLatitudesBeyondTheRangeStillWriteEveryRecord) {
  for (const char* parameterLine : {"1,A,512,30,20,x,1e300,0", "1,A,512,95,20,x,2,0", "1,A,512,30,inf,x,2,1e9"}) {
    Module1::ginc = 0;
    GenerateOutline(OutlineKind::Arrow, context, Line(parameterLine));
    EXPECT_EQ(Module1::ginc, 8) << parameterLine;
  }
}

TEST_F(OutlineRecords, AFullOutputStopsMidSymbolWithTheCountRaised) {
  Module1::ginc = 4995;
  EXPECT_THROW(GenerateOutline(OutlineKind::Square, context, Line("1,A,512,30,20,square,2,0")),
               framework::OutOfBoundsException);
  EXPECT_EQ(Module1::ginc, 5001);
  EXPECT_EQ((*Module1::gStringArray)(5000), "28.9951 18.8569 2\n");
}

}  // namespace
}  // namespace builder
