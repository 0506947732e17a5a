#pragma once

#include <array>
#include <string_view>

#include "framework/PushButton.h"
#include "ui/Window1.h"

// The design values of the main window and its controls.
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

// The property lists that carry the design values to the framework, encoded on first use.
const framework::String& WindowPropertyList();
// In the order of kControls.
const std::array<framework::String, kControls.size()>& ControlPropertyLists();

}  // namespace window1_design
