// The six labels as the window shows them, after presses of "2. Build Symbols".
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "files/DigitTableLoader.h"
#include "framework/FolderItem.h"
#include "framework/Lifecycle.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"
#include "support/TempFolder.h"
#include "ui/MainMenuBar.h"
#include "ui/Window1.h"

namespace {

namespace fs = std::filesystem;

using Texts = std::array<std::string, 6>;

struct Window1LabelsTest : testing::Test {
  TempFolder folder;
  framework::ScriptedBackend backend;
  std::shared_ptr<Window1> window;
  fs::path programFolder = framework::ProgramFolder();

  void SetUp() override {
    framework::RuntimeInit();
    Module1::Initialize();
    framework::SetProgramFolder(folder.Path());
    window = Window1::ImplicitInstance();
  }
  void TearDown() override {
    window.reset();
    MainMenuBar::ReleaseImplicitInstance();
    framework::SetProgramFolder(programFolder);
    Module1::Finalize();
    framework::RuntimeExit();
  }

  Texts Labels() {
    return {window->Label1()->Text(), window->Label2()->Text(), window->Label3()->Text(),
            window->Label4()->Text(), window->Label5()->Text(), window->Label6()->Text()};
  }
};

TEST_F(Window1LabelsTest, EachLabelShowsItsOwnValueAfterABuildAndLabel1KeepsItsTextWhenTheLoadFails) {
  const fs::path table = folder.Write(files::kDigitTableName, "7,0,0.25,3\n8,1,0.25,2\n9,0,0,3\n");
  // The heading is never built; -789 gives the digits 7, 8, 9 and the remainder 9, size 5 the half size 2.5.
  for (const std::string line : {"heading", "12,a,512,30,20,dot,2,0", "-789,b,512,30,20,dot,5,0"})
    Module1::Append(Module1::gSymbolParameters, Module1::total, [&] { return line; });

  const struct {
    const char* name;
    std::function<void()> before;  // of the press
    Texts labels;
    std::string message;
  } cases[] = {
      {"a build", [] {}, {"3", "-789", "9", "7", "8", "2.5"}, "Done, Now Save File  Total # of Symbols = 2"},
      {"a build whose digit table cannot be opened",
       [&] { fs::remove(table), fs::create_directory(table); },
       {"3", "-789", "9", "7", "8", "2.5"},
       "An exception of class IOException was not handled: cannot open "},
  };
  EXPECT_EQ(Labels(), (Texts{"GNumTotal", "SymID", "NumLabel", "First Digit", "Second Digit", "Scale"}));
  for (const auto& c : cases) {
    c.before();
    backend.messages.clear();
    backend.reports.clear();
    backend.Press(*window->PushButton13());
    EXPECT_EQ(Labels(), c.labels) << c.name;
    const auto& shown = backend.messages.empty() ? backend.reports.at(0).details : backend.messages[0];
    ASSERT_EQ(backend.messages.size() + backend.reports.size(), 1U) << c.name;
    EXPECT_TRUE(shown.starts_with(c.message)) << c.name << ": " << shown;
  }
}

}  // namespace
