#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "framework/Label.h"
#include "framework/PropertyList.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

using framework::Color;
using framework::Int32;
using framework::String;

const framework::PropertySchema kSchema{{"Count", Int32{0}}, {"Flag", false}, {"Tint", Color{}}, {"Words", String()}};

const framework::PropertyEntries kEntries{
    {"Count", std::numeric_limits<Int32>::min()},
    {"Flag", true},
    {"Tint", Color{0x12, 0xAB, 0xFF}},
    {"Words", String("na\xC3\xAFve")},
    {"Words", String()},
    {"Count", Int32{-2}},
};
const String kList = framework::EncodePropertyList(kEntries);

TEST(PropertyListTest, EncodesEachTypeInItsLayout) {
  const String expected = String("Count \x80\x00\x00\x00", 10) + String("Flag \x01", 6) +
                          String("Tint \x12\xAB\xFF", 8) + String("Words \x00\x00\x00\x06na\xC3\xAFve", 16) +
                          String("Words \x00\x00\x00\x00", 10) + String("Count \xFF\xFF\xFF\xFE", 10);
  EXPECT_EQ(kList, expected);
}

TEST(PropertyListTest, DecodesByTheTypesOfTheSchema) {
  EXPECT_EQ(framework::DecodePropertyList(kList, kSchema), kEntries);
  EXPECT_TRUE(framework::DecodePropertyList("", kSchema).empty());
}

TEST(PropertyListTest, RefusesListsThatDoNotDecode) {
  const std::array<std::string_view, 7> broken{
      std::string_view("Count \x00\x00\x00", 9),  // integer cut short
      std::string_view("Flag ", 5),               // Boolean missing
      std::string_view("Tint \x01\x02", 7),       // colour cut short
      std::string_view("Words \x00\x00\x00\x05"
                       "abcd",
                       14),                            // text shorter than its count
      std::string_view("Words \xFF\xFF\xFF\xFF", 10),  // a count beyond any list
      std::string_view("Count"),                       // no blank after the name
      std::string_view("Colour \x00\x00\x00", 10),     // a name the class lacks
  };
  for (const auto list : broken) {
    EXPECT_THROW(framework::DecodePropertyList(list, kSchema), framework::RuntimeException) << list;
  }
}

TEST(PropertyListTest, SetPropertiesAppliesEveryEntryOrNone) {
  framework::ScriptedBackend backend;
  auto label = std::make_shared<framework::Label>();
  framework::SetProperties(
      *label,
      framework::EncodePropertyList({{"Text", String("Scale")}, {"Left", Int32{14}}, {"TextColor", Color{1, 2, 3}}}));
  EXPECT_EQ(label->Text(), "Scale");
  EXPECT_EQ(label->Left(), 14);
  EXPECT_EQ(label->ColorProperty("TextColor"), (Color{1, 2, 3}));

  // The first entry is sound, the second is cut short: nothing changes.
  EXPECT_THROW(framework::SetProperties(*label, std::string_view("Left \x00\x00\x00\x07Top \x00", 14)),
               framework::RuntimeException);
  EXPECT_EQ(label->Left(), 14);
}

TEST(PropertyListTest, APropertyKeepsItsDeclaredType) {
  framework::ScriptedBackend backend;
  framework::Label label;
  EXPECT_THROW(label.SetProperty("Left", String("14")), framework::RuntimeException);
  EXPECT_THROW(label.SetProperty("Caption", String("a")), framework::RuntimeException);
  EXPECT_EQ(label.Left(), 0);
}

}  // namespace
