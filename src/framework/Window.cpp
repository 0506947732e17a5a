#include "framework/Window.h"

#include "framework/Runtime.h"

namespace framework {

void Window::AddControl(const String& name, std::shared_ptr<Control> control) {
  CheckMainThread();
  control->SetName(name);
  controls_.push_back(std::move(control));
}

std::shared_ptr<Control> Window::ControlByName(const String& name) const {
  CheckMainThread();
  for (const auto& control : controls_) {
    if (control->Name() == name) return control;
  }
  return nullptr;
}

}  // namespace framework
