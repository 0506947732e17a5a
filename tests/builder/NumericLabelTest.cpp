#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/BuilderFixture.h"
#include "builder/KindGenerators.h"
#include "builder/UnusableNumber.h"
#include "framework/Exceptions.h"

namespace builder {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

// Two glyphs: a "1" as a vertical stroke, a "7" as a bar and a diagonal.
const std::vector<std::string> kFiveLineTable{"1,0,0.25,3", "1,1,0.25,2", "7,1,0,3", "7,1,0.5,2", "7,0,0.25,2"};

const std::vector<std::string> kOnePosition1{"29.9957 21.0969 3", "30.9957 21.1081 2"};
const std::vector<std::string> kSevenPosition2{"30.9903 21.6329 3", "30.9819 22.2160 2", "29.9865 21.9051 2"};
const std::vector<std::string> kDashAfterPosition2{"30.0001 20.2309 3", "30.0003 19.9423 2"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> joined;
  for (const auto& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

class NumericLabel : public GeneratorTest {
 protected:
  std::vector<std::string> Label(const std::string& symbolNumber, const std::string& size = "2",
                                 const std::string& bearing = "0") {
    Module1::ginc = 0;
    GenerateNumericLabel(context, Line(symbolNumber + ",Test,512,30.0,20.0,URN," + size + "," + bearing));
    return Vertices();
  }
};

TEST_F(NumericLabel, MinusSeventeenWritesItsTenRecords) {
  LoadDigitTable(kFiveLineTable);
  EXPECT_THAT(Label("-17"), ElementsAreArray(Join({kOnePosition1, kSevenPosition2, kDashAfterPosition2})));
  const auto records = Records();
  ASSERT_EQ(records.size(), 10u);
  EXPECT_EQ(records[0], "9999 9999  Numeric Label   -17 Test URN\n");
  EXPECT_EQ(records[1], " 512  999.0 -999.0 UN   0   0   1     1\n");
  EXPECT_EQ(records[9], "99.0000 99.0000 3\n");
}

TEST_F(NumericLabel, DigitsDrawnFromTheFiveLineTable) {
  LoadDigitTable(kFiveLineTable);
  struct Case {
    const char* symbolNumber;
    std::vector<std::string> vertices;
  };
  const std::vector<std::string> kSevenPosition1{"30.9978 20.8165 3", "30.9929 21.3997 2", "29.9957 21.0969 2"};
  for (const Case& c : {
           Case{"17", Join({kOnePosition1, kSevenPosition2})},
           Case{"-71", Join({kSevenPosition1, {"29.9865 21.9051 3", "30.9864 21.9245 2"}, kDashAfterPosition2})},
           Case{"77", Join({kSevenPosition1, kSevenPosition2})},
           // A digit without glyph lines leaves a gap of one advance.
           Case{"27", kSevenPosition2},
           Case{"0", {}},
           Case{"-0", {}},
       }) {
    EXPECT_THAT(Label(c.symbolNumber), ElementsAreArray(c.vertices)) << c.symbolNumber;
  }
}

TEST_F(NumericLabel, BearingTurnsGlyphsAndDashAboutTheCentre) {
  LoadDigitTable(kFiveLineTable);
  const auto vertices = Label("-17", "2", "90");
  ASSERT_EQ(vertices.size(), 7u);
  EXPECT_EQ(vertices.front(), "29.0501 20.0001 3");
  EXPECT_THAT(std::vector(vertices.end() - 2, vertices.end()), ElementsAre("29.8001 20.0001 3", "30.0501 20.0001 2"));
}

TEST_F(NumericLabel, SizeZeroPutsEveryPointOnTheCentre) {
  LoadDigitTable(kFiveLineTable);
  EXPECT_THAT(Label("-17", "0"),
              ElementsAre("30.0003 20.0000 3", "30.0003 20.0000 2", "30.0003 20.0000 3", "30.0003 20.0000 2",
                          "30.0003 20.0000 2", "30.0003 20.0000 3", "30.0003 20.0000 2"));
}

TEST_F(NumericLabel, KeysMatchTheDigitTextExactly) {
  struct Case {
    std::vector<std::string> table;
    const char* symbolNumber;
    std::size_t vertices;
  };
  for (const Case& c : {
           Case{{" 1,0,0.25,3", "01,0,0.25,3", "1.0,0,0.25,3", "1 ,0,0.25,3"}, "1", 0},
           Case{{"1,0,0.25,3", "1,0,0.25,3"}, "1", 2},             // a line that stands twice is drawn twice
           Case{{"10,0,0,3", "1,0,0,3", "0,0,0,2"}, "100000", 5},  // position 1 holds 10
           Case{{"1,0,0.25,3,extra,fields"}, "1", 1},
       }) {
    LoadDigitTable(c.table);
    EXPECT_EQ(Label(c.symbolNumber).size(), c.vertices) << c.table.front();
  }
}

TEST_F(NumericLabel, PenFieldIsCopiedAsItStands) {
  LoadDigitTable({"1,0,0.25, 2", "1,1,0.25,2\r"});
  EXPECT_THAT(Label("1"), ElementsAre("29.9957 21.0969  2", "30.9957 21.1081 2\r"));
}

TEST_F(NumericLabel, ALineOfTooFewFieldsStopsTheFirstDigitPosition) {
  struct Case {
    const char* badLine;
    framework::Int32 missingIndex;
    framework::Int32 upperBound;
  };
  for (const Case& c : {Case{"7,1,0", 3, 2}, Case{"", 1, 0}, Case{"7", 1, 0}, Case{"7,1", 2, 1}}) {
    LoadDigitTable({"1,0,0.25,3", "1,1,0.25,2", c.badLine, "7,1,0.5,2"});
    Module1::ginc = 0;
    try {
      GenerateNumericLabel(context, Line("-17,Test,512,30.0,20.0,URN,2,0"));
      ADD_FAILURE() << "no exception for \"" << c.badLine << "\"";
    } catch (const framework::OutOfBoundsException& error) {
      EXPECT_EQ(error.Index(), c.missingIndex) << c.badLine;
      EXPECT_EQ(error.UpperBound(), c.upperBound) << c.badLine;
    }
    // Title, attribute and the two points of the "1" before the bad line; no end record.
    EXPECT_EQ(Module1::ginc, 4) << c.badLine;
    EXPECT_EQ(Records().back(), "30.9957 21.1081 2\n") << c.badLine;
  }
}

TEST_F(NumericLabel, WithoutATableOnlyTheDashIsDrawnAndItsPointCarriesOverLines) {
  LoadDigitTable({});
  EXPECT_THAT(Label("-5", "2", "0"), ElementsAre("29.9897 18.3258 3", "29.9857 18.0372 2"));
  EXPECT_EQ(Module1::ginc, 5);
  EXPECT_THAT(Label("-5", "2", "0"), ElementsAre("29.9503 16.3639 3", "29.9421 16.0756 2"));
  EXPECT_THAT(Label("5", "2", "0"), ElementsAre());
}

TEST_F(NumericLabel, HugeValuesWriteEveryRecordAndAGlyphPointPastTheRangeRaises) {
  const struct {
    std::vector<std::string> extraLines;
    const char* parameterLine;
    bool whole;
  } cases[] = {
      {{"1,1e308,-1e308,2"}, "-17,Test,512,30,20,URN,2,1e9", true},
      {{}, "-17,Test,512,30,20,URN,1e300,1e9", true},
      {{}, "17,Test,512,95,1.7976931348623157e308,URN,-1e300,0", true},
      {{}, "-123456,Test,512,-91,20,URN,2,-1e9", true},
      // A glyph coordinate beyond a double's range, and one whose product with the half size is.
      {{"1,1e999,0,2"}, "-17,Test,512,30,20,URN,2,0", false},
      {{"1,0,1e308,2"}, "-17,Test,512,30,20,URN,1e300,0", false},
  };
  for (const auto& c : cases) {
    LoadDigitTable(Join({kFiveLineTable, c.extraLines}));
    Module1::ginc = 0;
    const SymbolLine line = Line(c.parameterLine);
    if (c.whole) {
      GenerateNumericLabel(context, line);
      EXPECT_EQ(Records().back(), "99.0000 99.0000 3\n") << c.parameterLine;
    } else {
      EXPECT_THROW(GenerateNumericLabel(context, line), UnusableNumberException) << c.parameterLine;
    }
  }
}

TEST_F(NumericLabel, NonNumericGlyphCoordinatesReadAsZero) {
  LoadDigitTable({"1,0,0,3"});
  const auto atOrigin = Label("1");
  LoadDigitTable({"1,north,east,3"});
  EXPECT_EQ(Label("1"), atOrigin);
}

}  // namespace
}  // namespace builder
