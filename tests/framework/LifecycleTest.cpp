#include <gtest/gtest.h>

#include "framework/Lifecycle.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

struct LifecycleTest : testing::Test {
  framework::ScriptedBackend backend;
  void SetUp() override { framework::RuntimeInit(); }
};

TEST_F(LifecycleTest, QuitEndsTheEventLoopAndItsCodeIsTheExitCode) {
  backend.ScriptStep([] { framework::Quit(3); });
  backend.ScriptStep([&] { backend.trace.push_back("a step after the quit"); });
  framework::RuntimeRun();
  EXPECT_EQ(backend.trace, (std::vector<std::string>{"event loop", "event loop stopped", "event loop returned"}));
  EXPECT_EQ(framework::RuntimeExit(), 3);
}

TEST_F(LifecycleTest, AQuitBeforeTheEventLoopMeansTheLoopNeverRuns) {
  framework::Quit(0);
  framework::RuntimeRun();
  EXPECT_EQ(backend.trace, std::vector<std::string>{"event loop stopped"});
  EXPECT_EQ(framework::RuntimeExit(), 0);
}

TEST_F(LifecycleTest, AnUnhandledExceptionMakesTheExitCodeOneAndGoesToStandardError) {
  testing::internal::CaptureStderr();
  framework::UnhandledException(framework::NilObjectException("the menu title is Nil"));
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "An exception of class NilObjectException was not handled: the menu title is Nil\n");
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(framework::RuntimeExit(), 1);
}

TEST_F(LifecycleTest, RuntimeExitLetsTheApplicationAndTheOpenWindowsGo) {
  auto application = std::make_shared<framework::Application>();
  auto window = std::make_shared<framework::Window>();
  framework::RuntimeRegisterAppObject(application);
  window->Constructor();
  const std::weak_ptr<framework::Application> heldApplication = application;
  const std::weak_ptr<framework::Window> heldWindow = window;
  application.reset();
  window.reset();
  EXPECT_FALSE(heldWindow.expired());
  EXPECT_EQ(framework::RegisteredApplication(), heldApplication.lock());
  EXPECT_EQ(framework::RuntimeExit(), 0);
  EXPECT_TRUE(heldApplication.expired());
  EXPECT_TRUE(heldWindow.expired());
}

}  // namespace
