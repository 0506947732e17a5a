#pragma once

#include <memory>

#include "framework/Backend.h"
#include "framework/FolderItem.h"

namespace framework {

// A modal file dialog with no filter, title, folder or suggested name.
class FolderItemDialog {
 public:
  virtual ~FolderItemDialog() = default;
  // The chosen file, or Nil when the user cancels.
  std::shared_ptr<FolderItem> ShowModal();

 protected:
  explicit FolderItemDialog(FileDialogKind kind) : kind_(kind) {}

 private:
  FileDialogKind kind_;
};

class OpenDialog : public FolderItemDialog {
 public:
  OpenDialog() : FolderItemDialog(FileDialogKind::Open) {}
};

// The platform dialog asks before a file of the chosen name is replaced.
class SaveAsDialog : public FolderItemDialog {
 public:
  SaveAsDialog() : FolderItemDialog(FileDialogKind::Save) {}
};

}  // namespace framework
