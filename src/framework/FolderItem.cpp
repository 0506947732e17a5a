#include "framework/FolderItem.h"

#include <system_error>

namespace framework {
namespace {

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path(error) : executable.parent_path();
}

std::filesystem::path& ProgramFolderSetting() {
  static std::filesystem::path folder = ExecutableFolder();
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
  return std::make_shared<FolderItem>(ProgramFolderSetting() / std::filesystem::path(name));
}

void SetProgramFolder(std::filesystem::path folder) { ProgramFolderSetting() = std::move(folder); }

std::filesystem::path ProgramFolder() { return ProgramFolderSetting(); }

}  // namespace framework
