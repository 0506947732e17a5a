#pragma once

#include <memory>
#include <vector>

#include "framework/Control.h"
#include "framework/Exceptions.h"
#include "framework/Label.h"
#include "framework/MenuItem.h"
#include "framework/PushButton.h"

namespace framework {

// A window: a plain object holding its properties, its controls and its menu bar; the backend
// presents it once its Visible property is set. Sizes are those of its content area, below the
// menu bar.
class Window : public PropertyObject, public std::enable_shared_from_this<Window> {
 public:
  Window();
  // The name the framework finds the window under.
  virtual String ClassName() const { return "Window"; }

  // The framework's construction: the two hooks, CreateControls first, then Layout; afterwards
  // the window is one of the framework's open windows.
  void Constructor();

  // The window holds the control from then on, under that name.
  void AddControl(const String& name, std::shared_ptr<Control> control);
  // Nil when no control has that name.
  std::shared_ptr<Control> ControlByName(const String& name) const;
  const std::vector<std::shared_ptr<Control>>& Controls() const;

  std::shared_ptr<framework::MenuBar> MenuBar() const;
  void SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar);

 protected:
  virtual void CreateControls() {}
  virtual void Layout() {}

 private:
  void Changed() override;

  std::vector<std::shared_ptr<Control>> controls_;
  std::shared_ptr<framework::MenuBar> menuBar_;
};

// The object typed as T; Nil stays Nil, an object of another class raises IllegalCastException.
template <typename T, typename From>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<From>& object) {
  if (!object) return nullptr;
  auto cast = std::dynamic_pointer_cast<T>(object);
  if (!cast) throw IllegalCastException("the object is not of the class asked for");
  return cast;
}

}  // namespace framework
