#include <gtest/gtest.h>

#include "framework/Lifecycle.h"
#include "framework/MenuItem.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

std::shared_ptr<framework::MenuItem> Item(const std::string& name) {
  auto item = std::make_shared<framework::MenuItem>();
  item->SetName(name);
  return item;
}

struct MenuItemTest : testing::Test {
  framework::ScriptedBackend backend;
  framework::MenuBar bar;

  void SetUp() override {
    auto file = Item("File");
    file->Append(Item("Open"));
    auto recent = Item("Recent");
    recent->Append(Item("First"));
    file->Append(recent);
    bar.Append(file);
    bar.Append(Item("Edit"));
  }
};

TEST_F(MenuItemTest, AppendKeepsTheOrderAndChildLooksOneLevelDown) {
  ASSERT_EQ(bar.Children().size(), 2U);
  EXPECT_EQ(bar.Children()[0]->Name(), "File");
  EXPECT_EQ(bar.Children()[1]->Name(), "Edit");
  EXPECT_EQ(bar.Child("Edit"), bar.Children()[1]);
  EXPECT_EQ(bar.Child("Open"), nullptr);
}

TEST_F(MenuItemTest, LookupFindsAnItemAnywhereInTheTreeAndNilForAnAbsentName) {
  EXPECT_EQ(bar.Lookup("Open"), bar.Child("File")->Child("Open"));
  EXPECT_EQ(bar.Lookup("First"), bar.Child("File")->Child("Recent")->Child("First"));
  EXPECT_EQ(bar.Lookup("Quit"), nullptr);
  EXPECT_EQ(bar.Lookup("open"), nullptr);
}

TEST_F(MenuItemTest, AShortcutIsNilUntilAssignedAndAnAssignedEmptyTextIsKept) {
  auto item = Item("Delete");
  EXPECT_FALSE(item->KeyboardShortcut().has_value());
  item->SetKeyboardShortcut("");
  EXPECT_EQ(item->KeyboardShortcut(), std::optional<std::string>(""));
}

TEST_F(MenuItemTest, OnlyTheQuitItemHandlesItsActionAndChoosingItQuitsWithCodeZero) {
  framework::RuntimeInit();
  framework::QuitMenuItem quit;
  EXPECT_TRUE(quit.HandlesAction());
  EXPECT_FALSE(bar.Child("Edit")->HandlesAction());
  quit.Action();
  EXPECT_EQ(backend.trace, std::vector<std::string>{"event loop stopped"});
  EXPECT_EQ(framework::RuntimeExit(), 0);
}

}  // namespace
