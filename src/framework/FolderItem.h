#pragma once

#include <filesystem>
#include <memory>

#include "framework/Types.h"

namespace framework {

class FolderItem {
 public:
  explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}
  const std::filesystem::path& Path() const { return path_; }
  bool Exists() const;
  // The system's error number of the last operation on this file that failed, else 0.
  Int32 LastErrorCode() const { return lastErrorCode_; }
  void SetLastErrorCode(Int32 code) { lastErrorCode_ = code; }

 private:
  std::filesystem::path path_;
  Int32 lastErrorCode_ = 0;
};

// Bare names and relative paths resolve against the program folder, which the backend sets to
// the folder that holds the executable. An empty name gives Nil; any other raises
// NilObjectException while no program folder is set.
std::shared_ptr<FolderItem> GetFolderItem(const String& name, Int32 pathType);
// An empty path forgets the program folder.
void SetProgramFolder(std::filesystem::path folder);
// Empty while none is set.
std::filesystem::path ProgramFolder();

}  // namespace framework
