#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/FolderItem.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"
#include "support/TempFolder.h"

// Fresh program state, a scripted user interface, and a folder in which bare names resolve.
class FilesTest : public testing::Test {
 protected:
  void SetUp() override {
    Module1::Initialize();
    savedProgramFolder_ = framework::ProgramFolder();
    framework::SetProgramFolder(folder.Path());
  }
  void TearDown() override {
    framework::SetProgramFolder(savedProgramFolder_);
    Module1::Finalize();
  }

  std::shared_ptr<framework::FolderItem> Item(const std::string& name) const {
    return std::make_shared<framework::FolderItem>(folder.Path() / name);
  }

  static std::string NumberedLines(int count) {
    std::string text;
    for (int k = 1; k <= count; ++k) text += std::to_string(k) + ",0,0,3\n";
    return text;
  }

  TempFolder folder;
  framework::ScriptedBackend backend;

 private:
  std::filesystem::path savedProgramFolder_;
};
