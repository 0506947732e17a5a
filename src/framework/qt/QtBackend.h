#pragma once

#include <memory>

#include "framework/Backend.h"

namespace framework {

// Presents the framework's objects as Qt 6 Widgets and runs Qt's event loop; installs itself
// while alive. It makes the Qt application object unless one exists.
class QtBackend : public Backend {
 public:
  QtBackend(int& argc, char** argv);
  ~QtBackend() override;
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;

  void ShowMessageBox(const String& text) override;
  void ShowReport(const String& sentence, const String& details) override;
  void ControlChanged(Control& control) override;
  void WindowChanged(Window& window) override;
  void MenuChanged(MenuItem& item) override;
  void ProcessPendingWork() override;
  std::shared_ptr<FolderItem> ShowFileDialog(FileDialogKind kind) override;
  void RunEventLoop() override;
  void StopEventLoop() override;

 private:
  struct Presentation;
  std::unique_ptr<Presentation> presentation_;
};

}  // namespace framework
