#pragma once

#include <array>
#include <limits>

#include "framework/PropertyList.h"

// The design values the window and its controls must have, typed apart from the program's own
// table so that a wrong value there fails.
namespace expected_window1 {

using framework::Color;
using framework::Int32;
using framework::PropertyEntries;
using framework::String;

struct Control {
  const char* name;
  bool isButton;
  const char* text;  // a button's caption or a label's text
  Int32 left;
  Int32 top;
  Int32 width;
  Int32 tabIndex;
};

// In the order of creation.
inline constexpr std::array<Control, 10> kControls{{
    {"PushButton3", true, "4. Quit", 33, 124, 60, 2},
    {"PushButton10", true, "3. Save Kestrovan Symbol File (.dat)", 33, 92, 242, 77},
    {"PushButton1", true, "1. Open Symbol Parameter File", 33, 28, 209, 94},
    {"PushButton13", true, "2. Build Symbols", 33, 60, 126, 95},
    {"Label1", false, "GNumTotal", 14, 183, 100, 97},
    {"Label2", false, "SymID", 107, 183, 65, 98},
    {"Label3", false, "NumLabel", 175, 183, 100, 99},
    {"Label4", false, "First Digit", 254, 183, 100, 100},
    {"Label5", false, "Second Digit", 335, 183, 100, 101},
    {"Label6", false, "Scale", 14, 215, 100, 102},
}};

inline constexpr Int32 kControlHeight = 20;

// The window's list, entry by entry.
inline PropertyEntries WindowEntries() {
  return {
      {"Placement", Int32{0}},
      {"Width", Int32{305}},
      {"Height", Int32{170}},
      {"MinWidth", Int32{64}},
      {"MinHeight", Int32{64}},
      {"MaxWidth", Int32{32000}},
      {"MaxHeight", Int32{32000}},
      {"Frame", Int32{0}},
      {"Composite", false},
      {"HasBackColor", false},
      {"BackColor", Color{0xFF, 0xFF, 0xFF}},
      {"Title", String("Kestrovan Plotter")},
      {"Visible", true},
      {"FullScreen", false},
      {"MenuBarVisible", true},
      {"CloseButton", true},
      {"Resizeable", true},
      {"LiveResize", true},
      {"MaximizeButton", true},
      {"MinimizeButton", true},
      {"FullScreenButton", false},
      {"MacProcID", Int32{0}},
  };
}

// A control's list, entry by entry: the entries every control has, then a button's or a label's.
inline PropertyEntries ControlEntries(const Control& control) {
  PropertyEntries entries{{"Name", String(control.name)},
                          {"Index", std::numeric_limits<Int32>::min()},
                          {"Left", control.left},
                          {"Top", control.top},
                          {"Width", control.width},
                          {"Height", kControlHeight},
                          {"LockLeft", true},
                          {"LockTop", true},
                          {"LockRight", false},
                          {"LockBottom", false},
                          {"TabPanelIndex", Int32{0}},
                          {"TabIndex", control.tabIndex}};
  const PropertyEntries buttonTail{{"TabStop", true},         {"Caption", String(control.text)},
                                   {"Default", false},        {"Cancel", false},
                                   {"Enabled", true},         {"Visible", true},
                                   {"HelpTag", String()},     {"AutoDeactivate", true},
                                   {"ButtonStyle", Int32{0}}, {"TextFont", String("System")},
                                   {"Bold", false},           {"Italic", false},
                                   {"Underline", false},      {"InitialParent", String()}};
  const PropertyEntries labelTail{{"Text", String(control.text)},
                                  {"TextAlign", Int32{0}},
                                  {"TextColor", Color{0, 0, 0}},
                                  {"Multiline", false},
                                  {"Enabled", true},
                                  {"Visible", true},
                                  {"Selectable", false},
                                  {"Transparent", false},
                                  {"HelpTag", String()},
                                  {"AutoDeactivate", true},
                                  {"TextFont", String("System")},
                                  {"Bold", false},
                                  {"Italic", false},
                                  {"Underline", false},
                                  {"DataSource", String()},
                                  {"DataField", String()},
                                  {"InitialParent", String()}};
  const PropertyEntries& tail = control.isButton ? buttonTail : labelTail;
  entries.insert(entries.end(), tail.begin(), tail.end());
  return entries;
}

}  // namespace expected_window1
