#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/Text.h"

namespace {

using framework::CDbl;
using framework::Format;
using framework::Str;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(FormatTest, FourDecimalMask) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {-12.5, "-12.5000"},   {130.25, "130.2500"},   {0.0, "0.0000"},
      {-0.0, "0.0000"},      {-0.00004, "-0.0000"},  {0.00005, "0.0001"},  // the double lies just above the tie
      {0.00015, "0.0001"},                                                 // ... and this one just below
      {1.00005, "1.0001"},   {0.5, "0.5000"},        {1e20, "100000000000000000000.0000"},
      {std::nan(""), "nan"}, {-std::nan(""), "nan"}, {kInfinity, "inf"},
      {-kInfinity, "-inf"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.value, "-0.0000"), c.text) << c.value;
}

TEST(FormatTest, ExactBinaryTiesRoundToEven) {
  // 0.03125 and 0.09375 are exact in binary, so they are true ties at four decimals.
  EXPECT_EQ(Format(0.03125, "-0.0000"), "0.0312");
  EXPECT_EQ(Format(0.09375, "-0.0000"), "0.0938");
  EXPECT_EQ(Format(-0.03125, "-0.0000"), "-0.0312");
}

TEST(FormatTest, HugeValuesAreWrittenInFull) {
  const auto text = Format(std::numeric_limits<double>::max(), "-0.0000");
  EXPECT_EQ(text.size(), 309u + 5u);
  EXPECT_EQ(text.substr(text.size() - 5), ".0000");
}

TEST(FormatTest, RejectsMasksItCannotHonour) { EXPECT_THROW(Format(1.0, "#.##"), framework::RuntimeException); }

TEST(StrTest, ShortestTextThatReadsBack) {
  EXPECT_EQ(Str(1.0), "1");
  EXPECT_EQ(Str(0.5), "0.5");
  EXPECT_EQ(Str(-2.0), "-2");
  EXPECT_EQ(Str(30.000131919192), "30.000131919192");
  EXPECT_EQ(Str(1e20), "1e+20");
  EXPECT_EQ(Str(std::nan("")), "nan");
  EXPECT_EQ(Str(-kInfinity), "-inf");
  for (double value : {0.1, 1.0 / 3.0, 123456.789, 5e-324, 1.7976931348623157e308}) EXPECT_EQ(CDbl(Str(value)), value);
}

TEST(StrTest, Int32IsPlainDecimal) {
  EXPECT_EQ(Str(framework::Int32{0}), "0");
  EXPECT_EQ(Str(framework::Int32{-17}), "-17");
  EXPECT_EQ(Str(std::numeric_limits<framework::Int32>::min()), "-2147483648");
}

TEST(CDblTest, ReadsTheLongestNumericPrefix) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"30.0", 30.0},
      {"  \t-12.5", -12.5},
      {"+7", 7.0},
      {"1e3", 1000.0},
      {"2.5E-2", 0.025},
      {"1e", 1.0},
      {"1e+", 1.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"12abc", 12.0},
      {"3.0 ", 3.0},
      {"1,5", 1.0},
      {"", 0.0},
      {"   ", 0.0},
      {"abc", 0.0},
      {"-", 0.0},
      {".", 0.0},
      {"nan", 0.0},
      {"inf", 0.0},
      {"0x1A", 0.0},
      {"\n5", 0.0},
      {"99999999999", 99999999999.0},
      {"1e-400", 0.0},
      {"0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "0000000000000000000000000000000000000001",
       0.0},
  };
  for (const auto& c : cases) EXPECT_EQ(CDbl(c.text), c.value) << '"' << c.text << '"';
}

TEST(CDblTest, BeyondTheDoubleRangeGivesTheInfinityOfItsSign) {
  EXPECT_EQ(CDbl("1e400"), kInfinity);
  EXPECT_EQ(CDbl("-1e400"), -kInfinity);
  EXPECT_EQ(CDbl("1e99999999999999999999"), kInfinity);
  EXPECT_EQ(CDbl(std::string(400, '9')), kInfinity);
  EXPECT_TRUE(std::signbit(CDbl("-1e-400")));
}

TEST(SplitTest, KeepsEveryPieceAsItStands) {
  const auto pieces = framework::Split(" a,,b ,", ",");
  ASSERT_EQ(pieces.UpperBound(), 3);
  EXPECT_EQ(pieces(0), " a");
  EXPECT_EQ(pieces(1), "");
  EXPECT_EQ(pieces(2), "b ");
  EXPECT_EQ(pieces(3), "");
  EXPECT_THROW(pieces(4), framework::OutOfBoundsException);
  EXPECT_EQ(framework::Split("", ",").UpperBound(), 0);
}

TEST(ChrTest, EncodesCodePointsAsUtf8) {
  EXPECT_EQ(framework::Chr(10), "\n");
  EXPECT_EQ(framework::Chr(0xE9), "\xC3\xA9");
  EXPECT_EQ(framework::Chr(0x1F600), "\xF0\x9F\x98\x80");
  EXPECT_EQ(framework::Chr(-1), "");
  EXPECT_EQ(framework::Chr(0xD800), "");
}

TEST(StringEqualsTest, IgnoresTheCaseOfAsciiLettersOnly) {
  EXPECT_TRUE(framework::StringEquals("Circle", "circle"));
  EXPECT_TRUE(framework::StringEquals("urn", "URN"));
  EXPECT_FALSE(framework::StringEquals(" circle", "circle"));
  EXPECT_FALSE(framework::StringEquals("circle ", "circle"));
  EXPECT_FALSE(framework::StringEquals("\xC3\xA9", "\xC3\x89"));  // é and É differ
}

}  // namespace
