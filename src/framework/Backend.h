#pragma once

#include "framework/Types.h"

namespace framework {

class Control;

// What presents the framework's objects to a person: real widgets, or a script in tests.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual void ShowMessageBox(const String& text) = 0;
  virtual void ControlChanged(const Control& control) = 0;
  // Lets the toolkit repaint without taking user input, so that no handler runs inside another.
  virtual void ProcessPendingWork() = 0;
};

}  // namespace framework
