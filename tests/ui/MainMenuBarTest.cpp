#include <gtest/gtest.h>

#include <optional>

#include "framework/Lifecycle.h"
#include "framework/scripted/ScriptedBackend.h"
#include "ui/MainMenuBar.h"

namespace {

struct MainMenuBarTest : testing::Test {
  framework::ScriptedBackend backend;
  void SetUp() override { framework::RuntimeInit(); }
  void TearDown() override {
    MainMenuBar::ReleaseImplicitInstance();
    framework::RuntimeExit();
  }
};

struct ExpectedItem {
  const char* name;
  bool quits;
  const char* parent;
  const char* text;
  std::optional<std::string> shortcut;
};

TEST_F(MainMenuBarTest, TheTreeHoldsTheElevenItemsInOrderWithTheirProperties) {
  const std::vector<ExpectedItem> expected{
      {"FileMenu", false, "", "&File", ""},
      {"FileQuit", true, "FileMenu", "&Quit", "Cmd+Q"},
      {"EditMenu", false, "", "&Edit", ""},
      {"EditUndo", false, "EditMenu", "&Undo", "Cmd+Z"},
      {"EditSeparator1", false, "EditMenu", "-", std::nullopt},
      {"EditCut", false, "EditMenu", "Cu&t", "Cmd+X"},
      {"EditCopy", false, "EditMenu", "&Copy", "Cmd+C"},
      {"EditPaste", false, "EditMenu", "&Paste", "Cmd+V"},
      {"EditClear", false, "EditMenu", "&Delete", ""},
      {"EditSeparator2", false, "EditMenu", "-", std::nullopt},
      {"EditSelectAll", false, "EditMenu", "Select &All", "Cmd+A"},
  };
  const auto bar = MainMenuBar::ImplicitInstance();
  // The tree, title by title, each title followed by its items.
  std::vector<std::pair<const framework::MenuItem*, std::string>> walked;
  for (const auto& title : bar->Children()) {
    walked.emplace_back(title.get(), "");
    for (const auto& item : title->Children()) {
      walked.emplace_back(item.get(), title->Name());
      EXPECT_TRUE(item->Children().empty()) << item->Name();
    }
  }
  ASSERT_EQ(walked.size(), expected.size());
  for (std::size_t index = 0; index < expected.size(); ++index) {
    const auto& [item, parent] = walked[index];
    const ExpectedItem& row = expected[index];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(item->Name(), row.name);
    EXPECT_EQ(dynamic_cast<const framework::QuitMenuItem*>(item) != nullptr, row.quits);
    EXPECT_EQ(parent, row.parent);
    EXPECT_EQ(item->Text(), row.text);
    EXPECT_EQ(item->KeyboardShortcut(), row.shortcut);
    EXPECT_TRUE(item->AutoEnable());
    EXPECT_TRUE(item->Visible());
  }
}

TEST_F(MainMenuBarTest, TheBarIsBuiltOnTheFirstRequestOnlyAndSharedAfterwards) {
  EXPECT_EQ(MainMenuBar::implicitInstance, nullptr);
  const auto first = MainMenuBar::ImplicitInstance();
  const int changesOfOneBuild = backend.menuChanges;
  const auto second = MainMenuBar::ImplicitInstance();
  EXPECT_EQ(first, second);
  EXPECT_EQ(first, MainMenuBar::implicitInstance);
  EXPECT_EQ(backend.menuChanges, changesOfOneBuild);
  EXPECT_EQ(first->Children().size(), 2U);
}

TEST_F(MainMenuBarTest, ReleasingTheInstanceSetsItToNilAndLetsTheBarGo) {
  std::weak_ptr<MainMenuBar> held = MainMenuBar::ImplicitInstance();
  MainMenuBar::ReleaseImplicitInstance();
  EXPECT_EQ(MainMenuBar::implicitInstance, nullptr);
  EXPECT_TRUE(held.expired());
  EXPECT_NE(MainMenuBar::ImplicitInstance(), nullptr);
}

TEST_F(MainMenuBarTest, ABarWhoseBuildingFailsIsNeverStoredAndTheNextRequestBuildsAfresh) {
  // Without a backend the first item's first change fails.
  framework::SetBackend(nullptr);
  EXPECT_THROW(MainMenuBar::ImplicitInstance(), framework::NilObjectException);
  EXPECT_EQ(MainMenuBar::implicitInstance, nullptr);
  framework::SetBackend(&backend);
  EXPECT_EQ(MainMenuBar::ImplicitInstance()->Children().size(), 2U);
}

}  // namespace
