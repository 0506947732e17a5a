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

// Bare names and relative paths resolve against the program folder: the folder that holds
// the executable unless SetProgramFolder says otherwise. An empty name gives Nil.
std::shared_ptr<FolderItem> GetFolderItem(const String& name, Int32 pathType);
void SetProgramFolder(std::filesystem::path folder);
std::filesystem::path ProgramFolder();

}  // namespace framework
