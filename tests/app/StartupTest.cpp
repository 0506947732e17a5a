#include <gtest/gtest.h>

#include "app/Startup.h"
#include "framework/Lifecycle.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"
#include "ui/MainMenuBar.h"
#include "ui/Window1.h"

namespace {

std::shared_ptr<Window1> MainWindow() {
  return framework::RuntimeCheckCast<Window1>(framework::GetImplicitWindow("Window1.Window1"));
}

std::string StateSeenByTheWindow(const framework::Window& window) {
  using Module1::gNumbers, Module1::gStringArray, Module1::gSymbolParameters;
  const auto application = framework::RegisteredApplication();
  const bool shared =
      application && application->MenuBar() == window.MenuBar() && window.MenuBar() == MainMenuBar::implicitInstance;
  return "arrays " + std::to_string(gStringArray->UpperBound()) + " " +
         std::to_string(gSymbolParameters->UpperBound()) + " " + std::to_string(gNumbers->UpperBound()) + ", counts " +
         std::to_string(Module1::ginc) + " " + std::to_string(Module1::total) + " " +
         std::to_string(Module1::gNumTotal) + ", menu bar shared " + std::to_string(shared);
}

struct StartupTest : testing::Test {
  framework::ScriptedBackend backend;

  void SetUp() override {
    backend.onWindowShown = [&](framework::Window& window) { backend.trace.push_back(StateSeenByTheWindow(window)); };
  }

  // The array's release records whether the menu bar's finalizer has run before it.
  void WatchTheReleaseOfTheOutputRecords() {
    Module1::gStringArray = std::shared_ptr<framework::StringArray>(
        new framework::StringArray(Module1::kOutputRecordBound), [this](framework::StringArray* array) {
          backend.trace.push_back("gStringArray released, menu bar instance Nil " +
                                  std::to_string(MainMenuBar::implicitInstance == nullptr) + ", application held " +
                                  std::to_string(framework::RegisteredApplication() != nullptr));
          delete array;
        });
  }
};

TEST_F(StartupTest, AQuitByTheButtonRunsStartUpAndShutdownInOrder) {
  backend.ScriptStep([&] {
    WatchTheReleaseOfTheOutputRecords();
    backend.Press(*MainWindow()->PushButton3());
  });
  EXPECT_EQ(app::RunProgram(), 0);
  EXPECT_EQ(backend.trace, (std::vector<std::string>{
                               "arrays 5000 500 500, counts 0 0 0, menu bar shared 1",
                               "window shown: Kestrovan Plotter",
                               "event loop",
                               "press PushButton3",
                               "event loop stopped",
                               "event loop returned",
                               "gStringArray released, menu bar instance Nil 1, application held 1",
                           }));
  EXPECT_EQ(Module1::gSymbolParameters, nullptr);
  EXPECT_EQ(Module1::gNumbers, nullptr);
}

TEST_F(StartupTest, TheQuitItemOfTheFileMenuQuitsWithCodeZero) {
  backend.ScriptStep([&] { backend.Choose(*MainWindow()->FileQuit()); });
  backend.ScriptStep([&] { backend.trace.push_back("a step after the quit"); });
  EXPECT_EQ(app::RunProgram(), 0);
  const std::vector<std::string> tail(backend.trace.end() - 3, backend.trace.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"choose FileQuit", "event loop stopped", "event loop returned"}));
}

TEST_F(StartupTest, AnExceptionThatEscapesStartUpSkipsTheLoopStillFinalizesAndExitsWithOne) {
  backend.onWindowShown = [](framework::Window&) { throw framework::IOException(28, "no space left on the display"); };
  testing::internal::CaptureStderr();
  EXPECT_EQ(app::RunProgram(), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "An exception of class IOException was not handled: no space left on the display\n");
  EXPECT_TRUE(backend.trace.empty());
  EXPECT_EQ(MainMenuBar::implicitInstance, nullptr);
  EXPECT_EQ(Module1::gStringArray, nullptr);
}

TEST_F(StartupTest, ARunThatFollowsAnotherStartsAfresh) {
  backend.ScriptStep([&] {
    Module1::ginc = 7;
    backend.Press(*MainWindow()->PushButton3());
  });
  EXPECT_EQ(app::RunProgram(), 0);
  backend.trace.clear();
  EXPECT_EQ(app::RunProgram(), 0);
  EXPECT_EQ(backend.trace.front(), "arrays 5000 500 500, counts 0 0 0, menu bar shared 1");
}

}  // namespace
