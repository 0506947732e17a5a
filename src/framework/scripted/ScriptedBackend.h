#pragma once

#include <vector>

#include "framework/Backend.h"
#include "framework/Runtime.h"

namespace framework {

// The backend of tests: records what a person would have seen, and installs itself while alive.
class ScriptedBackend : public Backend {
 public:
  ScriptedBackend() { SetBackend(this); }
  ~ScriptedBackend() override { SetBackend(nullptr); }
  ScriptedBackend(const ScriptedBackend&) = delete;
  ScriptedBackend& operator=(const ScriptedBackend&) = delete;

  void ShowMessageBox(const String& text) override { messages.push_back(text); }
  void ControlChanged(const Control& /*control*/) override { ++controlChanges; }
  void ProcessPendingWork() override { ++pendingWorkPasses; }

  std::vector<String> messages;
  int controlChanges = 0;
  int pendingWorkPasses = 0;
};

}  // namespace framework
