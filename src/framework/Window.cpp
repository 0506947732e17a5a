#include "framework/Window.h"

#include <utility>

#include "framework/Lifecycle.h"
#include "framework/Runtime.h"

namespace framework {
namespace {

const PropertySchema& WindowSchema() {
  static const PropertySchema schema{
      {"Placement", Int32{0}},
      {"Width", Int32{300}},
      {"Height", Int32{300}},
      {"MinWidth", Int32{64}},
      {"MinHeight", Int32{64}},
      {"MaxWidth", Int32{32000}},
      {"MaxHeight", Int32{32000}},
      {"Frame", Int32{0}},
      {"Composite", false},
      {"HasBackColor", false},
      {"BackColor", Color{0xFF, 0xFF, 0xFF}},
      {"Title", String()},
      {"Visible", false},
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
  return schema;
}

}  // namespace

Window::Window() : PropertyObject(WindowSchema()) {}

void Window::Constructor() {
  CheckMainThread();
  CreateControls();
  Layout();
  RegisterOpenWindow(shared_from_this());
}

void Window::AddControl(const String& name, std::shared_ptr<Control> control) {
  CheckMainThread();
  control->SetName(name);
  controls_.push_back(std::move(control));
  Changed();
}

std::shared_ptr<Control> Window::ControlByName(const String& name) const {
  for (const auto& control : Controls()) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

const std::vector<std::shared_ptr<Control>>& Window::Controls() const {
  CheckMainThread();
  return controls_;
}

std::shared_ptr<MenuBar> Window::MenuBar() const {
  CheckMainThread();
  return menuBar_;
}

void Window::SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar) {
  CheckMainThread();
  menuBar_ = std::move(menuBar);
  Changed();
}

void Window::Changed() { CurrentBackend().WindowChanged(*this); }

}  // namespace framework
