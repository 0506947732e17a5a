#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "framework/Events.h"
#include "framework/FileDialogs.h"
#include "framework/Lifecycle.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

TEST(MainThreadTest, UserInterfaceOperationsRaiseOffTheMainThread) {
  framework::ScriptedBackend backend;
  framework::RuntimeInit();
  auto window = std::make_shared<framework::Window>();
  auto label = std::make_shared<framework::Label>();
  auto bar = std::make_shared<framework::MenuBar>();
  framework::Application application;
  const std::vector<std::pair<const char*, std::function<void()>>> operations{
      {"Label.Text", [&] { label->SetText("x"); }},
      {"Control.TextUnit", [&] { label->SetTextUnit(0); }},
      {"property getter", [&] { static_cast<void>(label->Left()); }},
      {"Window.AddControl", [&] { window->AddControl("Label1", label); }},
      {"Window.ControlByName", [&] { window->ControlByName("Label1"); }},
      {"Window.MenuBar", [&] { window->SetMenuBar(bar); }},
      {"Application.MenuBar", [&] { application.SetMenuBar(bar); }},
      {"MenuItem.Name", [&] { bar->SetName("x"); }},
      {"MenuItem.Append", [&] { bar->Append(std::make_shared<framework::MenuItem>()); }},
      {"MenuItem.Lookup", [&] { bar->Lookup("x"); }},
      {"RaiseEvent", [&] { framework::RaiseEvent(*label, framework::PushButton::kActionEvent); }},
      {"MsgBox", [] { framework::MsgBox("x"); }},
      {"OpenDialog", [] { framework::OpenDialog().ShowModal(); }},
      {"Quit", [] { framework::Quit(0); }},
  };
  for (const auto& [name, operation] : operations) {
    bool raised = false;
    // Named again: clang 14 cannot capture a structured binding.
    std::thread([&raised, &call = operation] {
      try {
        call();
      } catch (const framework::ThreadAccessingUIException&) {
        raised = true;
      }
    }).join();
    EXPECT_TRUE(raised) << name;
  }
  EXPECT_TRUE(backend.trace.empty());
  EXPECT_EQ(backend.controlChanges + backend.menuChanges, 0);
  EXPECT_EQ(framework::RuntimeExit(), 0);
}

}  // namespace
