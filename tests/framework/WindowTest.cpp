#include <gtest/gtest.h>

#include "framework/Lifecycle.h"
#include "framework/Window.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

struct HookedWindow : framework::Window {
  std::vector<std::string> hooks;
  framework::String ClassName() const override { return "Hooked"; }
  void CreateControls() override {
    hooks.push_back("CreateControls, open: " + std::to_string(framework::GetImplicitWindow("Hooked") != nullptr));
  }
  void Layout() override { hooks.push_back("Layout"); }
};

struct WindowTest : testing::Test {
  framework::ScriptedBackend backend;
  void SetUp() override { framework::RuntimeInit(); }
  void TearDown() override { framework::RuntimeExit(); }
};

TEST_F(WindowTest, ConstructionRunsCreateControlsThenLayoutThenTheWindowIsOpen) {
  auto window = std::make_shared<HookedWindow>();
  EXPECT_EQ(framework::GetImplicitWindow("Hooked"), nullptr);
  window->Constructor();
  EXPECT_EQ(window->hooks, (std::vector<std::string>{"CreateControls, open: 0", "Layout"}));
  EXPECT_EQ(framework::GetImplicitWindow("Hooked"), window);
  EXPECT_EQ(framework::GetImplicitWindow("Window"), nullptr);
}

TEST_F(WindowTest, AControlIsFoundUnderItsNameAndCastToItsClassOnly) {
  framework::Window window;
  auto button = std::make_shared<framework::PushButton>();
  window.AddControl("PushButton3", button);
  window.AddControl("Label1", std::make_shared<framework::Label>());
  EXPECT_EQ(button->Name(), "PushButton3");
  EXPECT_EQ(framework::RuntimeCheckCast<framework::PushButton>(window.ControlByName("PushButton3")), button);
  EXPECT_EQ(window.ControlByName("PushButton4"), nullptr);
  EXPECT_EQ(framework::RuntimeCheckCast<framework::Label>(window.ControlByName("PushButton4")), nullptr);
  EXPECT_THROW(framework::RuntimeCheckCast<framework::Label>(window.ControlByName("PushButton3")),
               framework::IllegalCastException);
}

TEST_F(WindowTest, TheWindowIsShownOnceItsVisiblePropertyIsSet) {
  auto window = std::make_shared<framework::Window>();
  window->SetProperty("Title", std::string("Plot"));
  EXPECT_TRUE(backend.trace.empty());
  window->SetProperty("Visible", true);
  window->SetProperty("Width", framework::Int32{400});
  EXPECT_EQ(backend.trace, std::vector<std::string>{"window shown: Plot"});
}

}  // namespace
