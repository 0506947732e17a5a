#include <gtest/gtest.h>

#include "ExpectedWindow1Design.h"
#include "framework/PropertyList.h"
#include "framework/scripted/ScriptedBackend.h"
#include "ui/Window1Design.h"

namespace {

using framework::String;

TEST(Window1PropertyListsTest, TheListOfPushButton3BeginsWithItsNameIndexLeftAndTop) {
  const String expected = String("Name ") + String("\x00\x00\x00\x0B", 4) + "PushButton3" + "Index " +
                          String("\x80\x00\x00\x00", 4) + "Left " + String("\x00\x00\x00\x21", 4) + "Top " +
                          String("\x00\x00\x00\x7C", 4);
  EXPECT_EQ(String(window1_design::ControlPropertyLists()[0].substr(0, expected.size())), expected);
}

TEST(Window1PropertyListsTest, EachListHasItsLength) {
  EXPECT_EQ(window1_design::WindowPropertyList().size(), 302U);
  const std::array<std::size_t, 10> lengths{310, 340, 332, 320, 354, 350, 353, 356, 357, 350};
  for (std::size_t index = 0; index < lengths.size(); ++index) {
    EXPECT_EQ(window1_design::ControlPropertyLists()[index].size(), lengths[index])
        << window1_design::kControls[index].name;
  }
}

TEST(Window1PropertyListsTest, TheWindowsListDecodesToItsDesignValues) {
  framework::ScriptedBackend backend;
  EXPECT_EQ(framework::DecodePropertyList(window1_design::WindowPropertyList(), framework::Window().Schema()),
            expected_window1::WindowEntries());
}

TEST(Window1PropertyListsTest, EachControlsListDecodesToItsRowOfTheDesignTable) {
  framework::ScriptedBackend backend;
  const auto& lists = window1_design::ControlPropertyLists();
  const framework::PropertySchema& buttonSchema = framework::PushButton().Schema();
  const framework::PropertySchema& labelSchema = framework::Label().Schema();
  for (std::size_t index = 0; index < expected_window1::kControls.size(); ++index) {
    const expected_window1::Control& control = expected_window1::kControls[index];
    EXPECT_EQ(framework::DecodePropertyList(lists[index], control.isButton ? buttonSchema : labelSchema),
              expected_window1::ControlEntries(control))
        << control.name;
  }
}

}  // namespace
