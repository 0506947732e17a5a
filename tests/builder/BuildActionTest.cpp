#include <gtest/gtest.h>

#include "builder/BuildAction.h"
#include "builder/BuildHarness.h"
#include "builder/UnusableNumber.h"
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
  const std::vector<std::string> ones = {"1,0,0.25,3", "1,1,0.25,2"};
  const struct {
    const char* name;
    std::string line;
    std::vector<std::string> digitTable;
    std::string what;
    std::string sentence;  // its start
  } cases[] = {
      {"the latitude of a plus",
       "2,b,512,1e309,20,plus,2,0",
       {},
       "latitude \"1e309\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the latitude \"1e309\", a number past the largest that a symbol can be built with"},
      {"the longitude of a circle",
       "2,b,512,30,-1e400,circle,2,0",
       {},
       "longitude \"-1e400\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the longitude \"-1e400\""},
      {"the size of a square",
       "2,b,512,30,20,square,1e309,0",
       {},
       "size \"1e309\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the size \"1e309\""},
      {"the bearing of an arrow",
       "2,b,512,30,20,arrow,2,-1e400",
       {},
       "bearing \"-1e400\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the bearing \"-1e400\""},
      // A circle's radius is capped from above only.
      {"the negative size of a circle",
       "2,b,512,30,20,circle,-1e309,0",
       {},
       "size \"-1e309\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the size \"-1e309\""},
      {"the size of a label that draws", "1,b,512,30,20,URN,1e309,0", ones,
       "size \"1e309\" is beyond the range of a double (parameter line 3)", "Parameter line 3 has the size \"1e309\""},
      {"the bearing of a label that draws", "1,b,512,30,20,URN,2,1e309", ones,
       "bearing \"1e309\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the bearing \"1e309\""},
      // The first field in order that the kind uses is named; the dot has no size.
      {"a dot's latitude and size",
       "2,b,512,-1e309,20,dot,1e309,0",
       {},
       "latitude \"-1e309\" is beyond the range of a double (parameter line 3)",
       "Parameter line 3 has the latitude \"-1e309\""},
      {"a square whose east side lies past the largest longitude",
       "2,b,512,0," + largest + ",square," + largest + ",1e309",
       {},
       vertex,
       overflowed},
      {"a label whose glyph lies past it",
       "-12,b,512,30,20,URN,1e300,0",
       {"1,0,0.25,3", "1,0,1e308,2"},
       vertex,
       overflowed},
      // The table is at fault, not the line: its own line is named.
      {"a glyph coordinate beyond a double's range",
       "-12,b,512,30,20,URN,2,0",
       {"1,0,0.25,3", "1,1,0.25,2", "2,0,0,3", "2,1,1e309,2"},
       "east-west coordinate \"1e309\" is beyond the range of a double (digit table line 4)",
       "Line 4 of the digit table Numbers0_9v3.csv has the east-west coordinate \"1e309\", a number past the largest"},
      // The dash starts from the last glyph point read, whatever its digit.
      {"the glyph point a dash starts from",
       "-1,b,512,30,20,URN,2,0",
       {"1,0,0.25,3", "1,1,0.25,2", "9,-1e400,0,2"},
       "north-south coordinate \"-1e400\" is beyond the range of a double (digit table line 3)",
       "Line 3 of the digit table Numbers0_9v3.csv has the north-south coordinate \"-1e400\""},
      {"a plate ID that is not whole",
       "2,b,512.7,30,20,dot,2,0",
       {},
       "plate ID \"512.7\" lies within 100 to 999 but is not a whole number (parameter line 3)",
       "Parameter line 3 has the plate ID \"512.7\", which is not a whole number"},
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
    } catch (const builder::UnusableNumberException& error) {
      EXPECT_EQ(framework::ExceptionReport(error), "An exception of class RuntimeException was not handled: " + c.what);
      EXPECT_TRUE(error.Explanation().starts_with(c.sentence)) << error.Explanation();
      EXPECT_NE(error.Explanation().find("symbols above it"), std::string::npos) << error.Explanation();
    }
    EXPECT_EQ(Records(), circleAlone);
    EXPECT_TRUE(host.buildsDone.empty());
  }
}

// A number beyond a double's range that no vertex is computed from changes nothing: each symbol
// is the one its finite stand-in draws.
TEST_F(BuildTest, ANumberNoRecordIsComputedFromChangesNothing) {
  std::vector<std::string> table = {"1,0,0.25,3", "1,1,0.25,2", "9,0,0,2", "2,0,0,3", "2,1,0.5,2"};
  const struct {
    std::string line;
    std::string standIn;
  } cases[] = {
      {"1,A,512,10,20,square,2,0", "1,A,512,10,20,square,2,0"},
      {"2,Note,512,1e309,0,comment,2,0", ""},
      {"2,Note,512.7,10,20,,2,0", ""},
      {"3,B,512,10,20,circle,2,1e309", "3,B,512,10,20,circle,2,0"},
      {"4,C,512,-10,40,dot,1e309,0", "4,C,512,-10,40,dot,2,0"},
      {"5,D,512,5,5,square,2,-1e400", "5,D,512,5,5,square,2,0"},
      {"5,D,512,5,5,triangle,2,-1e400", "5,D,512,5,5,triangle,2,0"},
      {"5,D,512,5,5,cross,2,-1e400", "5,D,512,5,5,cross,2,0"},
      {"6,E,512,-30,60,circle,1e309,0", "6,E,512,-30,60,circle,360,0"},
      {"7,F,512,0,0,plus,2,1e309", "7,F,512,0,0,plus,2,0"},
      // No digit 3 in the table: the label has no vertex to compute.
      {"3,G,512,0,0,URN,1e309,-1e309", "3,G,512,0,0,URN,2,0"},
      // The digit-table line of 9, past the range, is read, but no vertex is drawn from it.
      {"-12,H,512,0,0,URN,2,30", "-12,H,512,0,0,URN,2,30"},
  };
  std::vector<std::string> lines;
  std::vector<std::string> standIns;
  for (const auto& c : cases) {
    lines.push_back(c.line);
    if (!c.standIn.empty()) standIns.push_back(c.standIn);
  }
  host.digitTable = table;
  HoldParameterLines(standIns);
  builder::RunBuild(host);
  const auto expected = Records();

  Module1::Initialize();
  host.buildsDone.clear();
  table[2] = "9,1e309,-1e309,2";
  host.digitTable = table;
  HoldParameterLines(lines);
  builder::RunBuild(host);
  EXPECT_EQ(host.buildsDone, std::vector<framework::Int32>{static_cast<framework::Int32>(standIns.size())});
  EXPECT_EQ(Records(), expected);
}

// A symbol stopped with its record at the last place the run holds is taken back too, so the
// records end with a whole symbol: 13 circles, 3 plus signs and 61 dots take 4997 records, and each
// fault stops the symbol after it at its third record.
TEST_F(BuildTest, ASymbolStoppedAtTheFiveThousandthRecordIsTakenBack) {
  const struct {
    const char* name;
    std::string line;
    std::vector<std::string> digitTable;
  } cases[] = {
      {"a vertex of a field beyond a double's range", "9,p,512,1e309,20,plus,2,0", {}},
      {"a glyph coordinate beyond a double's range", "1,n,512,30,20,URN,2,0", {"1,1e309,0.25,3"}},
  };
  std::vector<std::string> lines(13, "1,a,512,30,20,circle,40,0");
  lines.insert(lines.end(), 3, "2,b,512,30,20,plus,2,0");
  lines.insert(lines.end(), 61, "3,c,512,30,20,dot,2,0");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Module1::Initialize();
    host.digitTable = c.digitTable;
    auto withFault = lines;
    withFault.push_back(c.line);
    HoldParameterLines(withFault);
    EXPECT_THROW(builder::RunBuild(host), builder::UnusableNumberException);
    EXPECT_EQ(Module1::ginc, 4997);
    EXPECT_EQ(Records().back(), "99.0000 99.0000 3\n");
    for (framework::Int32 index = Module1::ginc + 1; index <= Module1::kOutputRecordBound; ++index)
      EXPECT_TRUE((*Module1::gStringArray)(index).empty()) << index;
  }
}

}  // namespace
