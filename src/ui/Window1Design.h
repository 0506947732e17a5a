#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <string_view>
#include <utility>

#include "framework/PropertyList.h"
#include "framework/PushButton.h"
#include "ui/Window1.h"

// The design values of the main window and its controls, and the property lists that carry
// them, all made at compile time.
namespace window1_design {

using framework::Int32;

enum class ControlClass { PushButton, Label };

struct ControlDesign {
  std::string_view name;
  ControlClass kind;
  // A button's caption or a label's text.
  std::string_view text;
  Int32 left;
  Int32 top;
  Int32 width;
  Int32 height;
  Int32 tabIndex;
  // Buttons only.
  void (Window1::*action)(framework::PushButton&);
};

// In the order of creation.
inline constexpr std::array<ControlDesign, 10> kControls{{
    {"PushButton3", ControlClass::PushButton, "4. Quit", 33, 124, 60, 20, 2, &Window1::PushButton3_Action},
    {"PushButton10", ControlClass::PushButton, "3. Save Kestrovan Symbol File (.dat)", 33, 92, 242, 20, 77,
     &Window1::PushButton10_Action},
    {"PushButton1", ControlClass::PushButton, "1. Open Symbol Parameter File", 33, 28, 209, 20, 94,
     &Window1::PushButton1_Action},
    {"PushButton13", ControlClass::PushButton, "2. Build Symbols", 33, 60, 126, 20, 95, &Window1::PushButton13_Action},
    {"Label1", ControlClass::Label, "GNumTotal", 14, 183, 100, 20, 97, nullptr},
    {"Label2", ControlClass::Label, "SymID", 107, 183, 65, 20, 98, nullptr},
    {"Label3", ControlClass::Label, "NumLabel", 175, 183, 100, 20, 99, nullptr},
    {"Label4", ControlClass::Label, "First Digit", 254, 183, 100, 20, 100, nullptr},
    {"Label5", ControlClass::Label, "Second Digit", 335, 183, 100, 20, 101, nullptr},
    {"Label6", ControlClass::Label, "Scale", 14, 215, 100, 20, 102, nullptr},
}};

inline constexpr framework::Color kWhite{0xFF, 0xFF, 0xFF};
inline constexpr framework::Color kBlack{0x00, 0x00, 0x00};

inline constexpr std::array<framework::PropertyEntry, 22> kWindowEntries{{
    framework::IntegerEntry("Placement", 0),
    framework::IntegerEntry("Width", 305),
    framework::IntegerEntry("Height", 170),
    framework::IntegerEntry("MinWidth", 64),
    framework::IntegerEntry("MinHeight", 64),
    framework::IntegerEntry("MaxWidth", 32000),
    framework::IntegerEntry("MaxHeight", 32000),
    framework::IntegerEntry("Frame", 0),
    framework::BooleanEntry("Composite", false),
    framework::BooleanEntry("HasBackColor", false),
    framework::ColorEntry("BackColor", kWhite),
    framework::TextEntry("Title", "Kestrovan Plotter"),
    framework::BooleanEntry("Visible", true),
    framework::BooleanEntry("FullScreen", false),
    framework::BooleanEntry("MenuBarVisible", true),
    framework::BooleanEntry("CloseButton", true),
    framework::BooleanEntry("Resizeable", true),
    framework::BooleanEntry("LiveResize", true),
    framework::BooleanEntry("MaximizeButton", true),
    framework::BooleanEntry("MinimizeButton", true),
    framework::BooleanEntry("FullScreenButton", false),
    framework::IntegerEntry("MacProcID", 0),
}};

constexpr std::array<framework::PropertyEntry, 12> CommonEntries(const ControlDesign& design) {
  return {{
      framework::TextEntry("Name", design.name),
      framework::IntegerEntry("Index", std::numeric_limits<Int32>::min()),
      framework::IntegerEntry("Left", design.left),
      framework::IntegerEntry("Top", design.top),
      framework::IntegerEntry("Width", design.width),
      framework::IntegerEntry("Height", design.height),
      framework::BooleanEntry("LockLeft", true),
      framework::BooleanEntry("LockTop", true),
      framework::BooleanEntry("LockRight", false),
      framework::BooleanEntry("LockBottom", false),
      framework::IntegerEntry("TabPanelIndex", 0),
      framework::IntegerEntry("TabIndex", design.tabIndex),
  }};
}

constexpr std::array<framework::PropertyEntry, 14> ButtonEntries(const ControlDesign& design) {
  return {{
      framework::BooleanEntry("TabStop", true),
      framework::TextEntry("Caption", design.text),
      framework::BooleanEntry("Default", false),
      framework::BooleanEntry("Cancel", false),
      framework::BooleanEntry("Enabled", true),
      framework::BooleanEntry("Visible", true),
      framework::TextEntry("HelpTag", ""),
      framework::BooleanEntry("AutoDeactivate", true),
      framework::IntegerEntry("ButtonStyle", 0),
      framework::TextEntry("TextFont", "System"),
      framework::BooleanEntry("Bold", false),
      framework::BooleanEntry("Italic", false),
      framework::BooleanEntry("Underline", false),
      framework::TextEntry("InitialParent", ""),
  }};
}

constexpr std::array<framework::PropertyEntry, 17> LabelEntries(const ControlDesign& design) {
  return {{
      framework::TextEntry("Text", design.text),
      framework::IntegerEntry("TextAlign", 0),
      framework::ColorEntry("TextColor", kBlack),
      framework::BooleanEntry("Multiline", false),
      framework::BooleanEntry("Enabled", true),
      framework::BooleanEntry("Visible", true),
      framework::BooleanEntry("Selectable", false),
      framework::BooleanEntry("Transparent", false),
      framework::TextEntry("HelpTag", ""),
      framework::BooleanEntry("AutoDeactivate", true),
      framework::TextEntry("TextFont", "System"),
      framework::BooleanEntry("Bold", false),
      framework::BooleanEntry("Italic", false),
      framework::BooleanEntry("Underline", false),
      framework::TextEntry("DataSource", ""),
      framework::TextEntry("DataField", ""),
      framework::TextEntry("InitialParent", ""),
  }};
}

template <std::size_t index>
constexpr auto ControlEntries() {
  constexpr const ControlDesign& design = kControls[index];
  if constexpr (design.kind == ControlClass::PushButton) {
    return framework::Concatenate(CommonEntries(design), ButtonEntries(design));
  } else {
    return framework::Concatenate(CommonEntries(design), LabelEntries(design));
  }
}

template <std::size_t index>
inline constexpr auto kControlEntries = ControlEntries<index>();

inline constexpr std::string_view kWindowPropertyList =
    framework::AsText(framework::kEncodedPropertyList<kWindowEntries>);

// Each control's list, in the order of kControls.
inline constexpr std::array<std::string_view, kControls.size()> kControlPropertyLists =
    []<std::size_t... index>(std::index_sequence<index...>) {
      return std::array<std::string_view, kControls.size()>{
          framework::AsText(framework::kEncodedPropertyList<kControlEntries<index>>)...};
    }(std::make_index_sequence<kControls.size()>());

}  // namespace window1_design
