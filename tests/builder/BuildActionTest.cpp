#include <gtest/gtest.h>

#include "builder/BuildAction.h"
#include "builder/BuildHarness.h"
#include "builder/NumberOutOfRange.h"
#include "framework/Runtime.h"

namespace {

using builder::LineShown;

TEST_F(BuildTest, TheHostIsShownTheLastLineBuilt) {
  HoldParameterLines({"105,a,512,30,20,none,3,0", "-17,b,512,30,20,none,2,0"});
  builder::RunBuild(host);
  EXPECT_EQ(host.lastLine, (LineShown{"-17", 7, 1, 7, 1}));

  HoldParameterLines({"105,a,512,30,20,none,3,0", "7,b,512,30,20,7,40,0"});
  builder::RunBuild(host);
  // A one-digit number shows the second digit of the earlier line; kind 7 shows half of 2.
  EXPECT_EQ(host.lastLine, (LineShown{"7", 7, 7, 0, 1}));
}

TEST_F(BuildTest, ClosingMessageCountsTheSymbolsWritten) {
  const struct {
    const char* name;
    std::vector<std::string> lines;
    bool withHeading;
    framework::Int32 count;
  } cases[] = {
      {"nothing read", {}, false, 0},
      {"only the first line", {}, true, 0},
      {"ten lines, eight kinds",
       {"1,a,512,30,20,circle,2,0", "2,a,512,30,20,square,2,0", "3,a,512,30,20,triangle,2,0", "4,a,512,30,20,plus,2,0",
        "5,a,512,30,20,cross,2,0", "6,a,512,30,20,dot,2,0", "7,a,512,30,20,ARROW,2,0", "8,a,512,30,20,urn,2,0",
        "9,a,512,30,20, circle,2,0", "10,a,512,30,20,7,2,0"},
       true,
       8},
  };
  for (const auto& c : cases) {
    host.buildsDone.clear();
    if (c.withHeading) {
      HoldParameterLines(c.lines);
    } else {
      Module1::total = 0;
    }
    builder::RunBuild(host);
    EXPECT_EQ(host.buildsDone, std::vector<framework::Int32>{c.count}) << c.name;
  }
}

TEST_F(BuildTest, ALineOfSevenFieldsStopsTheBuildWithoutAMessage) {
  HoldParameterLines({"1,a,512,30,20,none,2,0", "2,b,512,30,20,none,4", "3,c,512,30,20,none,6,0"});
  EXPECT_THROW(builder::RunBuild(host), framework::OutOfBoundsException);
  EXPECT_TRUE(host.buildsDone.empty());
  EXPECT_EQ(host.lastLine.symbolNumber, "1");
  EXPECT_EQ(host.lastLine.halfSize, 1);
}

TEST_F(BuildTest, ALineCountLeftAtFiveHundredAndOneStopsAtThatLine) {
  std::vector<std::string> lines(499, "1,a,512,30,20,none,2,0");
  HoldParameterLines(lines);
  Module1::total = 501;
  EXPECT_THROW(builder::RunBuild(host), framework::OutOfBoundsException);
  EXPECT_EQ(host.lastLine.symbolNumber, "1");
}

TEST_F(BuildTest, HostileLinesAreBuiltWithoutHarm) {
  HoldParameterLines({std::string(10 * 1024 * 1024, 'x') + ",,,,,,,", std::string("\0\xFF,\x01,\xFE,\x80,,dot,,", 15),
                      "999999999999,a,1e400,-1e300,nan,square,1e300,1e9"});
  builder::RunBuild(host);
  EXPECT_EQ(host.buildsDone, std::vector<framework::Int32>{2});
  EXPECT_EQ(host.lastLine.firstDigit, 99999999);
}

TEST_F(BuildTest, TwoBuildsInARowHoldEverySymbolTwice) {
  host.digitTable = {"1,0,0.25,3", "1,1,0.25,2"};
  HoldParameterLines({"11,a,512,30,20,circle,2,0", "1,b,512,30,20,URN,2,0", "-3,c,512,30,20,arrow,2,45"});
  builder::RunBuild(host);
  const auto first = Records();
  ASSERT_GT(first.size(), 30u);
  builder::RunBuild(host);
  auto expected = first;
  expected.insert(expected.end(), first.begin(), first.end());
  EXPECT_EQ(Records(), expected);
  EXPECT_EQ(host.buildsDone, std::vector<framework::Int32>(2, 3));
}

TEST_F(BuildTest, TheFiveThousandAndFirstRecordStopsTheBuildMidSymbol) {
  // 14 circles of 361 vertices take 5096 records.
  HoldParameterLines(std::vector<std::string>(14, "1,a,512,30,20,circle,40,0"));
  EXPECT_THROW(builder::RunBuild(host), framework::OutOfBoundsException);
  EXPECT_EQ(Module1::ginc, 5001);
  EXPECT_EQ((*Module1::gStringArray)(5000).back(), '\n');
  EXPECT_TRUE(host.buildsDone.empty());
  // A later build fails at its first record, one count further on.
  EXPECT_THROW(builder::RunBuild(host), framework::OutOfBoundsException);
  EXPECT_EQ(Module1::ginc, 5002);
}

TEST_F(BuildTest, TheReportOfAnExceptionThatStopsABuildEndsWithTheLineItStoppedAtAndItsSentenceNamesIt) {
  const std::string lineOne = "1,a,512,30,20,none,2,0";
  const struct {
    const char* name;
    std::vector<std::string> lines;
    framework::Int32 total;  // 0: the lines held
    std::vector<std::string> digitTable;
    std::string what;
    std::string sentence;  // its start
  } cases[] = {
      {"seven fields",
       {lineOne, lineOne, lineOne, "2,b,512,30,20,none,4"},
       0,
       {},
       "index 7 is outside the bounds 0 to 6 (parameter line 5)",
       "Parameter line 5 has 7 fields; a symbol needs 8 fields"},
      {"one field",
       {lineOne, "2 b 512"},
       0,
       {},
       "index 1 is outside the bounds 0 to 0 (parameter line 3)",
       "Parameter line 3 has 1 field; a symbol needs 8 fields"},
      {"a blank line",
       {lineOne, ""},
       0,
       {},
       "index 1 is outside the bounds 0 to 0 (parameter line 3)",
       "Parameter line 3 is blank; a symbol needs 8 fields"},
      {"seven fields on the last line that fits",
       [&] {
         std::vector<std::string> lines(498, lineOne);
         lines.push_back("2,b,512,30,20,none,4");
         return lines;
       }(),
       0,
       {},
       "index 7 is outside the bounds 0 to 6 (parameter line 500)",
       "Parameter line 500 has 7 fields"},
      {"a count past the lines held",
       std::vector<std::string>(499, lineOne),
       501,
       {},
       "index 501 is outside the bounds 0 to 500 (parameter line 501)",
       "Parameter line 501 was not read"},
      {"the 5001st record",
       std::vector<std::string>(14, "1,a,512,30,20,circle,40,0"),
       0,
       {},
       "index 5001 is outside the bounds 0 to 5000 (parameter line 15)",
       "A run holds at most 5000 output records, and parameter line 15 did not fit"},
      // The digit table's own line is the more precise place.
      {"a digit-table line of two fields",
       {lineOne, "12,n,512,30,20,URN,2,0"},
       0,
       {"1,0,0.25,3", "2,0.5,0.25,3", "2,1", "3,0,0,3"},
       "index 2 is outside the bounds 0 to 1 (digit table line 3)",
       "Line 3 of the digit table Numbers0_9v3.csv has 2 fields; each line needs 4 fields"},
      {"a blank digit-table line",
       {lineOne, "1,n,512,30,20,URN,2,0"},
       0,
       {"1,0,0.25,3", ""},
       "index 1 is outside the bounds 0 to 0 (digit table line 2)",
       "Line 2 of the digit table Numbers0_9v3.csv is blank; each line needs 4 fields"},
  };
  for (const auto& c : cases) {
    Module1::Initialize();
    host.digitTable = c.digitTable;
    HoldParameterLines(c.lines);
    if (c.total != 0) Module1::total = c.total;
    try {
      builder::RunBuild(host);
      ADD_FAILURE() << c.name << ": the build ended normally";
    } catch (const framework::OutOfBoundsException& error) {
      EXPECT_EQ(framework::ExceptionReport(error),
                "An exception of class OutOfBoundsException was not handled: " + c.what)
          << c.name;
      EXPECT_TRUE(error.Explanation().starts_with(c.sentence)) << c.name << ": " << error.Explanation();
    }
  }
}

// Nothing of the line is appended: the symbols above it stay whole, and no record holds "nan".
TEST_F(BuildTest, ANumberNoRecordCanHoldStopsTheBuildAtItsLine) {
  const std::string circle = "1,a,512,30,20,circle,2,0";
  const std::string largest = "1.7976931348623157e308";
  const std::string vertex = "a vertex came out at latitude nan, longitude nan (parameter line 3)";
  const std::string overflowed = "Parameter line 3 describes a symbol whose outline cannot be computed";
  const struct {
    const char* name;
    std::string line;
    std::vector<std::string> digitTable;
    std::string what;
    std::string sentence;  // its start
  } cases[] = {
      {"latitude",
       "2,b,512,1e309,20,plus,2,0",
       {},
       "latitude \"1e309\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the latitude \"1e309\", a number past the largest that a symbol can be built with"},
      {"longitude",
       "2,b,512,30,-1e400,circle,2,0",
       {},
       "longitude \"-1e400\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the longitude \"-1e400\""},
      {"size",
       "2,b,512,30,20,URN,1e309,0",
       {},
       "size \"1e309\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the size \"1e309\""},
      {"bearing",
       "2,b,512,30,20,arrow,2,-1e400",
       {},
       "bearing \"-1e400\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the bearing \"-1e400\""},
      {"a square whose east side lies past the largest longitude",
       "2,b,512,0," + largest + ",square," + largest + ",0",
       {},
       vertex,
       overflowed},
      {"a label whose glyph lies past it",
       "-12,b,512,30,20,URN,1e300,0",
       {"1,0,0.25,3", "1,0,1e308,2"},
       vertex,
       overflowed},
  };
  HoldParameterLines({circle});
  builder::RunBuild(host);
  const auto circleAlone = Records();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Module1::Initialize();
    host.buildsDone.clear();
    host.digitTable = c.digitTable;
    HoldParameterLines({circle, c.line});
    try {
      builder::RunBuild(host);
      ADD_FAILURE() << "the build ended normally";
    } catch (const builder::NumberOutOfRangeException& error) {
      EXPECT_EQ(framework::ExceptionReport(error), "An exception of class RuntimeException was not handled: " + c.what);
      EXPECT_TRUE(error.Explanation().starts_with(c.sentence)) << error.Explanation();
      EXPECT_NE(error.Explanation().find("The symbols above it are built"), std::string::npos);
    }
    EXPECT_EQ(Records(), circleAlone);
    EXPECT_TRUE(host.buildsDone.empty());
  }
}

}  // namespace
