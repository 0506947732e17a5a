#pragma once

#include <memory>
#include <vector>

#include "framework/Control.h"
#include "framework/Exceptions.h"

namespace framework {

class Window {
 public:
  virtual ~Window() = default;
  // The window holds the control from then on, under that name.
  void AddControl(const String& name, std::shared_ptr<Control> control);
  // Nil when no control has that name.
  std::shared_ptr<Control> ControlByName(const String& name) const;
  const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }

 private:
  std::vector<std::shared_ptr<Control>> controls_;
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
