#include <gtest/gtest.h>

#include <limits>

#include "framework/PropertyList.h"
#include "framework/scripted/ScriptedBackend.h"
#include "ui/Window1Design.h"

namespace {

using framework::Color;
using framework::Int32;
using framework::PropertyValue;
using framework::String;
using Entries = std::vector<std::pair<String, PropertyValue>>;

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
    EXPECT_EQ(window1_design::ControlPropertyLists()[index].size(), lengths[index]) << window1_design::kControls[index].name;
  }
}

TEST(Window1PropertyListsTest, TheWindowsListDecodesToItsDesignValues) {
  framework::ScriptedBackend backend;
  const Entries expected{
      {"Placement", Int32{0}},     {"Width", Int32{305}},       {"Height", Int32{170}},
      {"MinWidth", Int32{64}},     {"MinHeight", Int32{64}},    {"MaxWidth", Int32{32000}},
      {"MaxHeight", Int32{32000}}, {"Frame", Int32{0}},         {"Composite", false},
      {"HasBackColor", false},     {"BackColor", Color{0xFF, 0xFF, 0xFF}}, {"Title", String("Kestrovan Plotter")},
      {"Visible", true},           {"FullScreen", false},       {"MenuBarVisible", true},
      {"CloseButton", true},       {"Resizeable", true},        {"LiveResize", true},
      {"MaximizeButton", true},    {"MinimizeButton", true},    {"FullScreenButton", false},
      {"MacProcID", Int32{0}},
  };
  EXPECT_EQ(framework::DecodePropertyList(window1_design::WindowPropertyList(), framework::Window().Schema()), expected);
}

struct ExpectedControl {
  const char* name;
  const char* text;
  Int32 left;
  Int32 top;
  Int32 width;
  Int32 tabIndex;
};

Entries CommonEntries(const ExpectedControl& control) {
  return {{"Name", String(control.name)},
          {"Index", std::numeric_limits<Int32>::min()},
          {"Left", control.left},
          {"Top", control.top},
          {"Width", control.width},
          {"Height", Int32{20}},
          {"LockLeft", true},
          {"LockTop", true},
          {"LockRight", false},
          {"LockBottom", false},
          {"TabPanelIndex", Int32{0}},
          {"TabIndex", control.tabIndex}};
}

Entries ButtonEntries(const ExpectedControl& control) {
  Entries entries = CommonEntries(control);
  const Entries tail{{"TabStop", true},       {"Caption", String(control.text)},
                     {"Default", false},      {"Cancel", false},
                     {"Enabled", true},       {"Visible", true},
                     {"HelpTag", String()},   {"AutoDeactivate", true},
                     {"ButtonStyle", Int32{0}}, {"TextFont", String("System")},
                     {"Bold", false},         {"Italic", false},
                     {"Underline", false},    {"InitialParent", String()}};
  entries.insert(entries.end(), tail.begin(), tail.end());
  return entries;
}

Entries LabelEntries(const ExpectedControl& control) {
  Entries entries = CommonEntries(control);
  const Entries tail{{"Text", String(control.text)}, {"TextAlign", Int32{0}},
                     {"TextColor", Color{0, 0, 0}},  {"Multiline", false},
                     {"Enabled", true},              {"Visible", true},
                     {"Selectable", false},          {"Transparent", false},
                     {"HelpTag", String()},          {"AutoDeactivate", true},
                     {"TextFont", String("System")}, {"Bold", false},
                     {"Italic", false},              {"Underline", false},
                     {"DataSource", String()},       {"DataField", String()},
                     {"InitialParent", String()}};
  entries.insert(entries.end(), tail.begin(), tail.end());
  return entries;
}

TEST(Window1PropertyListsTest, EachControlsListDecodesToItsRowOfTheDesignTable) {
  framework::ScriptedBackend backend;
  const std::array<ExpectedControl, 4> buttons{{
      {"PushButton3", "4. Quit", 33, 124, 60, 2},
      {"PushButton10", "3. Save Kestrovan Symbol File (.dat)", 33, 92, 242, 77},
      {"PushButton1", "1. Open Symbol Parameter File", 33, 28, 209, 94},
      {"PushButton13", "2. Build Symbols", 33, 60, 126, 95},
  }};
  const std::array<ExpectedControl, 6> labels{{
      {"Label1", "GNumTotal", 14, 183, 100, 97},
      {"Label2", "SymID", 107, 183, 65, 98},
      {"Label3", "NumLabel", 175, 183, 100, 99},
      {"Label4", "First Digit", 254, 183, 100, 100},
      {"Label5", "Second Digit", 335, 183, 100, 101},
      {"Label6", "Scale", 14, 215, 100, 102},
  }};
  const auto& lists = window1_design::ControlPropertyLists();
  const framework::PropertySchema& buttonSchema = framework::PushButton().Schema();
  const framework::PropertySchema& labelSchema = framework::Label().Schema();
  for (std::size_t index = 0; index < buttons.size(); ++index) {
    EXPECT_EQ(framework::DecodePropertyList(lists[index], buttonSchema), ButtonEntries(buttons[index])) << buttons[index].name;
  }
  for (std::size_t index = 0; index < labels.size(); ++index) {
    EXPECT_EQ(framework::DecodePropertyList(lists[buttons.size() + index], labelSchema), LabelEntries(labels[index]))
        << labels[index].name;
  }
}

}  // namespace
