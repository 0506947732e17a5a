#include "builder/BuildAction.h"

#include <gtest/gtest.h>

#include "builder/BuildHarness.h"

namespace {

const std::string kMessage = "Done, Now Save File  Total # of Symbols = ";

TEST_F(BuildTest, TheLabelsShowTheLastLineBuilt) {
  HoldParameterLines({"105,a,512,30,20,none,3,0", "-17,b,512,30,20,none,2,0"});
  builder::RunBuild(host);
  EXPECT_EQ(host.labels, (std::map<int, std::string>{{2, "-17"}, {3, "7"}, {4, "1"}, {5, "7"}, {6, "1"}}));

  HoldParameterLines({"105,a,512,30,20,none,3,0", "7,b,512,30,20,7,40,0"});
  builder::RunBuild(host);
  // A one-digit number shows the second digit of the earlier line; kind 7 shows half of 2.
  EXPECT_EQ(host.labels, (std::map<int, std::string>{{2, "7"}, {3, "7"}, {4, "7"}, {5, "0"}, {6, "1"}}));
}

TEST_F(BuildTest, ClosingMessageCountsTheSymbolsWritten) {
  const struct {
    const char* name;
    std::vector<std::string> lines;
    bool withHeading;
    const char* count;
  } cases[] = {
      {"nothing read", {}, false, "0"},
      {"only the first line", {}, true, "0"},
      {"ten lines, eight kinds",
       {"1,a,512,30,20,circle,2,0", "2,a,512,30,20,square,2,0", "3,a,512,30,20,triangle,2,0",
        "4,a,512,30,20,plus,2,0", "5,a,512,30,20,cross,2,0", "6,a,512,30,20,dot,2,0", "7,a,512,30,20,ARROW,2,0",
        "8,a,512,30,20,urn,2,0", "9,a,512,30,20, circle,2,0", "10,a,512,30,20,7,2,0"},
       true,
       "8"},
  };
  for (const auto& c : cases) {
    backend.messages.clear();
    if (c.withHeading) {
      HoldParameterLines(c.lines);
    } else {
      Module1::total = 0;
    }
    builder::RunBuild(host);
    EXPECT_EQ(backend.messages, std::vector<std::string>{kMessage + c.count}) << c.name;
  }
}

TEST_F(BuildTest, ALineOfSevenFieldsStopsTheBuildWithoutAMessage) {
  HoldParameterLines({"1,a,512,30,20,none,2,0", "2,b,512,30,20,none,4", "3,c,512,30,20,none,6,0"});
  EXPECT_THROW(builder::RunBuild(host), framework::OutOfBoundsException);
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(host.labels[2], "1");
  EXPECT_EQ(host.labels[6], "1");
}

TEST_F(BuildTest, ALineCountLeftAtFiveHundredAndOneStopsAtThatLine) {
  std::vector<std::string> lines(499, "1,a,512,30,20,none,2,0");
  HoldParameterLines(lines);
  Module1::total = 501;
  EXPECT_THROW(builder::RunBuild(host), framework::OutOfBoundsException);
  EXPECT_EQ(host.labels[2], "1");
}

TEST_F(BuildTest, HostileLinesAreBuiltWithoutHarm) {
  HoldParameterLines({std::string(10 * 1024 * 1024, 'x') + ",,,,,,,", std::string("\0\xFF,\x01,\xFE,\x80,,dot,,", 15),
                      "999999999999,a,1e400,-1e400,nan,square,1e300,1e9"});
  builder::RunBuild(host);
  EXPECT_EQ(backend.messages, std::vector<std::string>{kMessage + "2"});
  EXPECT_EQ(host.labels[4], "99999999");
}

}  // namespace
