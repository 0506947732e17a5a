#pragma once

#include <deque>
#include <memory>
#include <vector>

#include "framework/Backend.h"
#include "framework/FolderItem.h"
#include "framework/Runtime.h"

namespace framework {

// The backend of tests: answers dialogs from a queue, records what a person would have seen,
// and installs itself while alive.
class ScriptedBackend : public Backend {
 public:
  ScriptedBackend();
  ~ScriptedBackend() override;
  ScriptedBackend(const ScriptedBackend&) = delete;
  ScriptedBackend& operator=(const ScriptedBackend&) = delete;

  void ShowMessageBox(const String& text) override { messages.push_back(text); }
  void ControlChanged(const Control& /*control*/) override { ++controlChanges; }
  void ProcessPendingWork() override { ++pendingWorkPasses; }
  // The next queued answer (Nil cancels); an empty queue fails the test's expectations loudly.
  std::shared_ptr<FolderItem> ShowFileDialog(FileDialogKind kind) override;

  void AnswerNextDialog(std::shared_ptr<FolderItem> answer) { dialogAnswers.push_back(std::move(answer)); }

  std::vector<String> messages;
  std::deque<std::shared_ptr<FolderItem>> dialogAnswers;
  std::vector<FileDialogKind> dialogsShown;
  int controlChanges = 0;
  int pendingWorkPasses = 0;
};

}  // namespace framework
