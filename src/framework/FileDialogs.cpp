#include "framework/FileDialogs.h"

#include "framework/Runtime.h"

namespace framework {

std::shared_ptr<FolderItem> FolderItemDialog::ShowModal() {
  CheckMainThread();
  return CurrentBackend().ShowFileDialog(kind_);
}

}  // namespace framework
