#include "ui/Window1Design.h"

#include <limits>

#include "framework/PropertyList.h"

namespace window1_design {
namespace {

using framework::Color;
using framework::PropertyEntries;
using framework::String;

PropertyEntries WindowEntries() {
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

PropertyEntries ButtonTail(const ControlDesign& design) {
  return {
      {"TabStop", true},         {"Caption", String(design.text)},
      {"Default", false},        {"Cancel", false},
      {"Enabled", true},         {"Visible", true},
      {"HelpTag", String()},     {"AutoDeactivate", true},
      {"ButtonStyle", Int32{0}}, {"TextFont", String("System")},
      {"Bold", false},           {"Italic", false},
      {"Underline", false},      {"InitialParent", String()},
  };
}

PropertyEntries LabelTail(const ControlDesign& design) {
  return {
      {"Text", String(design.text)},
      {"TextAlign", Int32{0}},
      {"TextColor", Color{0x00, 0x00, 0x00}},
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
      {"InitialParent", String()},
  };
}

PropertyEntries ControlEntries(const ControlDesign& design) {
  PropertyEntries entries{
      {"Name", String(design.name)},
      {"Index", std::numeric_limits<Int32>::min()},
      {"Left", design.left},
      {"Top", design.top},
      {"Width", design.width},
      {"Height", design.height},
      {"LockLeft", true},
      {"LockTop", true},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabPanelIndex", Int32{0}},
      {"TabIndex", design.tabIndex},
  };
  const PropertyEntries tail = design.kind == ControlClass::PushButton ? ButtonTail(design) : LabelTail(design);
  entries.insert(entries.end(), tail.begin(), tail.end());
  return entries;
}

}  // namespace

const String& WindowPropertyList() {
  static const String list = framework::EncodePropertyList(WindowEntries());
  return list;
}

const std::array<String, kControls.size()>& ControlPropertyLists() {
  static const auto lists = [] {
    std::array<String, kControls.size()> encoded;
    for (std::size_t index = 0; index < kControls.size(); ++index)
      encoded[index] = framework::EncodePropertyList(ControlEntries(kControls[index]));
    return encoded;
  }();
  return lists;
}

}  // namespace window1_design
