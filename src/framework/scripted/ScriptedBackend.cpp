#include "framework/scripted/ScriptedBackend.h"

#include "framework/Exceptions.h"

namespace framework {

ScriptedBackend::ScriptedBackend() { SetBackend(this); }
ScriptedBackend::~ScriptedBackend() { SetBackend(nullptr); }

std::shared_ptr<FolderItem> ScriptedBackend::ShowFileDialog(FileDialogKind kind) {
  dialogsShown.push_back(kind);
  if (dialogAnswers.empty()) throw RuntimeException("the script holds no answer for this dialog");
  auto answer = std::move(dialogAnswers.front());
  dialogAnswers.pop_front();
  return answer;
}

}  // namespace framework
