#pragma once

#include <memory>

#include "framework/Types.h"

namespace framework {

class Control;
class FolderItem;
class MenuItem;
class Window;

enum class FileDialogKind { Open, Save };

// What presents the framework's objects to a person: real widgets, or a script in tests.
class Backend {
 public:
  virtual ~Backend() = default;
  // A plain box: the text and an OK button.
  virtual void ShowMessageBox(const String& text) = 0;
  // A warning box that leads with the sentence and holds the details for a person to open.
  virtual void ShowReport(const String& sentence, const String& details) = 0;
  // A property of the control has a new value.
  virtual void ControlChanged(Control& control) = 0;
  // A property of the window, its menu bar or its set of controls has changed; a window is
  // shown once its Visible property is set.
  virtual void WindowChanged(Window& window) = 0;
  // An item of a menu tree, or the items under it, changed.
  virtual void MenuChanged(MenuItem& item) = 0;
  // Lets the toolkit repaint without taking user input, so that no handler runs inside another.
  virtual void ProcessPendingWork() = 0;
  // Runs the dialog modally: the chosen file, or Nil when cancelled.
  virtual std::shared_ptr<FolderItem> ShowFileDialog(FileDialogKind kind) = 0;
  // Delivers the person's actions until StopEventLoop.
  virtual void RunEventLoop() = 0;
  virtual void StopEventLoop() = 0;
};

}  // namespace framework
