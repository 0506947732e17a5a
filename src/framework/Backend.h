#pragma once

#include <memory>

#include "framework/Types.h"

namespace framework {

class Control;
class FolderItem;

enum class FileDialogKind { Open, Save };

// What presents the framework's objects to a person: real widgets, or a script in tests.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual void ShowMessageBox(const String& text) = 0;
  virtual void ControlChanged(const Control& control) = 0;
  // Lets the toolkit repaint without taking user input, so that no handler runs inside another.
  virtual void ProcessPendingWork() = 0;
  // Runs the dialog modally: the chosen file, or Nil when cancelled.
  virtual std::shared_ptr<FolderItem> ShowFileDialog(FileDialogKind kind) = 0;
};

}  // namespace framework
