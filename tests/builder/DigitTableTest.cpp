#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>

#include "builder/DigitTableLine.h"
#include "framework/Exceptions.h"

namespace builder {
namespace {

struct Extent {
  double west = 1e9, east = -1e9, south = 1e9, north = -1e9;
  int points = 0;
};

// Every glyph starts a stroke before drawing, stays in a box half a unit wide and one high with
// its origin at the bottom left, so that the advance of 0.7 leaves a gap between digits.
TEST(ShippedDigitTable, HoldsTenStrokeGlyphsInTheirBox) {
  std::ifstream table(PLOTTER_DIGIT_TABLE);
  ASSERT_TRUE(table) << PLOTTER_DIGIT_TABLE;
  std::map<std::string, Extent> glyphs;
  std::string previousKey;
  double lastNorthSouth = 0.0;
  double lastEastWest = 0.0;
  for (std::string text; std::getline(table, text);) {
    ASSERT_FALSE(text.empty());
    ASSERT_NE(text.back(), '\r');
    const GlyphPoint point = ReadDigitTableLine(text);
    const std::string key(point.digitKey);
    ASSERT_TRUE(key.size() == 1 && key[0] >= '0' && key[0] <= '9') << text;
    ASSERT_TRUE(point.penCode == "3" || point.penCode == "2") << text;
    if (key != previousKey) {
      EXPECT_EQ(glyphs.count(key), 0u) << "glyph " << key << " is split in two runs";
      EXPECT_EQ(point.penCode, "3") << "glyph " << key << " draws before it moves";
    }
    previousKey = key;
    lastNorthSouth = point.northSouth;
    lastEastWest = point.eastWest;
    Extent& extent = glyphs[key];
    extent.west = std::min(extent.west, point.eastWest);
    extent.east = std::max(extent.east, point.eastWest);
    extent.south = std::min(extent.south, point.northSouth);
    extent.north = std::max(extent.north, point.northSouth);
    extent.points += 1;
  }
  ASSERT_EQ(glyphs.size(), 10u);
  for (const auto& [key, extent] : glyphs) {
    EXPECT_GE(extent.points, 3) << key;
    EXPECT_GE(extent.west, 0.0) << key;
    EXPECT_LE(extent.east, 0.5) << key;
    EXPECT_GE(extent.east - extent.west, 0.3) << key;
    EXPECT_EQ(extent.south, 0.0) << key;
    EXPECT_EQ(extent.north, 1.0) << key;
  }
  // A negative number's dash is drawn at the height of the table's last point, its east end
  // 1.45 - 0.7 x digits units east of that point: so it stands at mid-height, and for up to
  // three digits west of the numeral, whose first glyph starts 0.7 east of the centre.
  EXPECT_GE(lastNorthSouth, 0.4);
  EXPECT_LE(lastNorthSouth, 0.6);
  double numeralWest = 1e9;
  for (const auto& entry : glyphs) numeralWest = std::min(numeralWest, entry.second.west + 0.7);
  EXPECT_LT(lastEastWest + (0.7 * 3) - 1.45, numeralWest);
}

}  // namespace
}  // namespace builder
