#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "builder/ParameterLine.h"
#include "framework/Exceptions.h"

namespace {

using builder::BuildContext;
using builder::ReadParameterLine;

std::string LineWithNumber(const std::string& number) { return number + ",Test,512,30.0,20.0,square,2,45"; }

std::vector<int> Digits(const BuildContext& context, int count) {
  std::vector<int> digits;
  for (int position = 1; position <= count; ++position) digits.push_back(context.digits(position));
  return digits;
}

TEST(ParameterLineTest, DigitSplit) {
  const struct {
    const char* number;
    bool negative;
    std::vector<int> digits;
    double remainder;
  } cases[] = {
      {"-17", true, {1, 7}, 7},
      {"105", false, {1, 0, 5}, 5},
      {"100", false, {1, 0, 0}, 0},
      {"7", false, {7}, 7},
      // A number equal to a place's threshold has no digit in that place.
      {"9", false, {9}, 9},
      {"999", false, {9, 9, 9}, 9},
      {"123456", false, {12, 3, 4, 5, 6}, 6},
      {"99999", false, {9, 9, 9, 9, 9}, 9},
      {"0", false, {0}, 0},
      {"-0", false, {0}, 0},
      {"5.0", false, {5}, 5},
      {"12.75", false, {1, 2}, 2},
      {"abc", false, {0}, 0},
  };
  for (const auto& c : cases) {
    BuildContext context;
    const auto line = ReadParameterLine(LineWithNumber(c.number), context);
    EXPECT_EQ(line.negative, c.negative) << c.number;
    ASSERT_EQ(line.digitCount, static_cast<int>(c.digits.size())) << c.number;
    EXPECT_EQ(Digits(context, line.digitCount), c.digits) << c.number;
    EXPECT_EQ(line.splitRemainder, c.remainder) << c.number;
  }
}

TEST(ParameterLineTest, DigitPositionsAboveTheCountKeepEarlierLinesDigits) {
  BuildContext context;
  ReadParameterLine(LineWithNumber("105"), context);
  const auto line = ReadParameterLine(LineWithNumber("7"), context);
  EXPECT_EQ(line.digitCount, 1);
  EXPECT_EQ(Digits(context, 3), (std::vector<int>{7, 0, 5}));
}

TEST(ParameterLineTest, NumbersBeyondEveryRangeStayDefined) {
  for (const char* number : {"1e400", "-1e400", "999999999999", "99999999999", "nan", "1e-400"}) {
    BuildContext context;
    const auto line = ReadParameterLine(LineWithNumber(number), context);
    EXPECT_EQ(line.digitCount, number[0] == 'n' || std::string(number) == "1e-400" ? 1 : 5) << number;
  }
}

TEST(ParameterLineTest, TheFieldsAsTheGeneratorsReadThem) {
  BuildContext context;
  const auto line = ReadParameterLine("12, Test ,512,30.5,-20.25,square,3,45,ignored", context);
  EXPECT_EQ(line.symbolKind, "square");
  EXPECT_EQ(line.titleTail, " 12  Test  square");
  EXPECT_EQ(line.halfSize, 1.5);
  EXPECT_EQ(line.negatedBearing, -45);
  EXPECT_EQ(line.centreLatitude, 30.5);
  EXPECT_EQ(line.centreLongitude, -20.25);
  EXPECT_EQ(line.northOffset, 1.5);
  EXPECT_EQ(line.southOffset, -1.5);
  EXPECT_EQ(line.eastOffset, 1.5);
  EXPECT_EQ(line.westOffset, -1.5);
  EXPECT_EQ(line.digitAdvance, 0.7);
}

TEST(ParameterLineTest, KindSevenForcesTheSizeToTwo) {
  BuildContext context;
  EXPECT_EQ(ReadParameterLine("1,d,512,30,20,7,40,0", context).halfSize, 1);
  EXPECT_EQ(ReadParameterLine("1,d,512,30,20,77,40,0", context).halfSize, 20);
}

TEST(ParameterLineTest, AMissingFieldRaisesOutOfBounds) {
  for (const char* text : {"1,Test,512,30,20,square,2", "", "1"}) {
    BuildContext context;
    EXPECT_THROW(ReadParameterLine(text, context), framework::OutOfBoundsException) << '"' << text << '"';
  }
}

// A field beyond a double's range is read as the infinity it is; a vertex computed from it is what
// stops the build, and names it.
TEST(ParameterLineTest, ALatitudeLongitudeSizeOrBearingBeyondADoublesRangeIsReadAndNoted) {
  using Noted = std::vector<std::pair<std::string, std::string>>;
  const struct {
    const char* line;
    Noted noted;  // name and text, in field order
  } cases[] = {
      {"1,X,201,1e309,10,plus,2,0", {{"latitude", "1e309"}}},
      {"1,X,201,0,-1e400,plus,2,0", {{"longitude", "-1e400"}}},
      {"1,X,201,0,10,plus, 1e309,0", {{"size", " 1e309"}}},
      {"1,X,201,0,10,plus,2,-1e400", {{"bearing", "-1e400"}}},
      {"1,X,201,1e309,-1e309,plus,1e309,1e309",
       {{"latitude", "1e309"}, {"longitude", "-1e309"}, {"size", "1e309"}, {"bearing", "1e309"}}},
      {"1,X,201,1e308,-1.7976931348623157e308,plus,1.7976931348623157e308,1e308", {}},
      {"1e309,X,1e309,inf,nan,plus,-infinity,NaN", {}},
      {"1,X,201,0,10,7,1e309,0", {}},
  };
  for (const auto& c : cases) {
    BuildContext context;
    const auto line = ReadParameterLine(c.line, context);
    Noted noted;
    for (const auto& field : line.fieldsBeyondRange) noted.emplace_back(field.name, field.text);
    EXPECT_EQ(noted, c.noted) << c.line;
  }
}

}  // namespace
