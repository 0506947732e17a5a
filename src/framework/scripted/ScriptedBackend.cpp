#include "framework/scripted/ScriptedBackend.h"

#include <algorithm>

#include "framework/Events.h"
#include "framework/Exceptions.h"
#include "framework/Lifecycle.h"

namespace framework {

ScriptedBackend::ScriptedBackend() { SetBackend(this); }
ScriptedBackend::~ScriptedBackend() { SetBackend(nullptr); }

void ScriptedBackend::ShowMessageBox(const String& text) {
  messages.push_back(text);
  trace.push_back("message: " + text);
}

void ScriptedBackend::ShowReport(const String& sentence, const String& details) {
  reports.push_back({sentence, details});
  trace.push_back("report: " + sentence);
}

void ScriptedBackend::WindowChanged(Window& window) {
  if (!window.BooleanProperty("Visible")) return;
  const bool shown = std::any_of(shownWindows.begin(), shownWindows.end(),
                                 [&](const std::weak_ptr<Window>& held) { return held.lock().get() == &window; });
  if (shown) return;
  shownWindows.push_back(window.weak_from_this());
  if (onWindowShown) onWindowShown(window);
  trace.push_back("window shown: " + window.TextProperty("Title"));
}

std::shared_ptr<FolderItem> ScriptedBackend::ShowFileDialog(FileDialogKind kind) {
  dialogsShown.push_back(kind);
  if (dialogAnswers.empty()) throw RuntimeException("the script holds no answer for this dialog");
  auto answer = std::move(dialogAnswers.front());
  dialogAnswers.pop_front();
  return answer;
}

void ScriptedBackend::RunEventLoop() {
  trace.push_back("event loop");
  loopStopped_ = false;
  while (!loopStopped_) {
    if (steps.empty()) {
      Quit(0);
      break;
    }
    const auto step = std::move(steps.front());
    steps.pop_front();
    step();
  }
  trace.push_back("event loop returned");
}

void ScriptedBackend::StopEventLoop() {
  loopStopped_ = true;
  trace.push_back("event loop stopped");
}

void ScriptedBackend::Press(PushButton& button) {
  trace.push_back("press " + button.Name());
  RaiseEvent(button, PushButton::kActionEvent);
}

void ScriptedBackend::Choose(MenuItem& item) {
  trace.push_back("choose " + item.Name());
  RaiseMenuAction(item);
}

}  // namespace framework
