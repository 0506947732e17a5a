#include "framework/FolderItem.h"

#include <system_error>

#include "framework/Exceptions.h"

namespace framework {
namespace {

// Empty until the backend or a test names it.
std::filesystem::path& ProgramFolderSetting() {
  static std::filesystem::path folder;
  return folder;
}

}  // namespace

bool FolderItem::Exists() const {
  std::error_code error;
  // A file whose status cannot be read is there for all we know: opening it tells the reason,
  // where "missing" would hide it.
  return std::filesystem::exists(path_, error) || error;
}

std::shared_ptr<FolderItem> GetFolderItem(const String& name, Int32 /*pathType*/) {
  if (name.empty()) return nullptr;
  // The working folder would do silently, and differently wherever the program was started from.
  const std::filesystem::path& folder = ProgramFolderSetting();
  if (folder.empty()) throw NilObjectException("the program's folder is not known");
  return std::make_shared<FolderItem>(folder / std::filesystem::path(name));
}

void SetProgramFolder(std::filesystem::path folder) { ProgramFolderSetting() = std::move(folder); }

std::filesystem::path ProgramFolder() { return ProgramFolderSetting(); }

}  // namespace framework
