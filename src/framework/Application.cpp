#include "framework/Application.h"

#include <utility>

#include "framework/Runtime.h"

namespace framework {

std::shared_ptr<MenuBar> Application::MenuBar() const {
  CheckMainThread();
  return menuBar_;
}

void Application::SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar) {
  CheckMainThread();
  menuBar_ = std::move(menuBar);
}

}  // namespace framework
