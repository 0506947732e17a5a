#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "framework/Backend.h"
#include "framework/FolderItem.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace framework {

// The backend of tests: answers dialogs from a queue, acts as a person would from a script,
// records what a person would have seen, and installs itself while alive.
class ScriptedBackend : public Backend {
 public:
  ScriptedBackend();
  ~ScriptedBackend() override;
  ScriptedBackend(const ScriptedBackend&) = delete;
  ScriptedBackend& operator=(const ScriptedBackend&) = delete;

  void ShowMessageBox(const String& text) override;
  void ShowReport(const String& sentence, const String& details) override;
  void ControlChanged(Control& /*control*/) override { ++controlChanges; }
  // The first change that finds the window visible shows it.
  void WindowChanged(Window& window) override;
  void MenuChanged(MenuItem& /*item*/) override { ++menuChanges; }
  void ProcessPendingWork() override { ++pendingWorkPasses; }
  // The next queued answer (Nil cancels); an empty queue fails the test's expectations loudly.
  std::shared_ptr<FolderItem> ShowFileDialog(FileDialogKind kind) override;
  // Runs the scripted steps in order until one quits; a script that runs out closes the window,
  // which quits with code 0.
  void RunEventLoop() override;
  void StopEventLoop() override;

  void AnswerNextDialog(std::shared_ptr<FolderItem> answer) { dialogAnswers.push_back(std::move(answer)); }
  void ScriptStep(std::function<void()> step) { steps.push_back(std::move(step)); }
  // What a click on the button does.
  void Press(PushButton& button);
  // What choosing the item in its menu does.
  void Choose(MenuItem& item);

  // Called when a window is shown, before the trace records it.
  std::function<void(Window&)> onWindowShown;

  // In order: "window shown: <title>", "press <name>", "choose <name>", "message: <text>",
  // "report: <sentence>", "event loop", "event loop stopped", "event loop returned".
  std::vector<String> trace;
  // The plain boxes.
  std::vector<String> messages;
  struct Report {
    String sentence;
    String details;
  };
  // The warning boxes.
  std::vector<Report> reports;
  std::deque<std::shared_ptr<FolderItem>> dialogAnswers;
  std::vector<FileDialogKind> dialogsShown;
  std::deque<std::function<void()>> steps;
  std::vector<std::weak_ptr<Window>> shownWindows;
  int controlChanges = 0;
  int menuChanges = 0;
  int pendingWorkPasses = 0;

 private:
  bool loopStopped_ = false;
};

}  // namespace framework
