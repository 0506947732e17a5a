#include "framework/Lifecycle.h"

#include <iostream>
#include <utility>
#include <vector>

#include "framework/Runtime.h"
#include "framework/SystemCalls.h"

namespace framework {
namespace {

struct RuntimeState {
  std::shared_ptr<Application> application;
  std::vector<std::shared_ptr<Window>> openWindows;
  bool quitRequested = false;
  Int32 exitCode = 0;
};

RuntimeState state;

}  // namespace

void RuntimeInit() {
  MarkMainThread();
  IgnoreFileSizeSignal();
  state = RuntimeState{};
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> application) {
  CheckMainThread();
  state.application = std::move(application);
}

std::shared_ptr<Application> RegisteredApplication() {
  CheckMainThread();
  return state.application;
}

void RunFrameworkInitialization(void (*lateStartup)()) {
  CheckMainThread();
  lateStartup();
}

void RegisterOpenWindow(std::shared_ptr<Window> window) {
  CheckMainThread();
  state.openWindows.push_back(std::move(window));
}

std::shared_ptr<Window> GetImplicitWindow(const String& className) {
  CheckMainThread();
  for (const auto& window : state.openWindows) {
    if (window->ClassName() == className) return window;
  }
  return nullptr;
}

void RuntimeRun() {
  CheckMainThread();
  if (!state.quitRequested) CurrentBackend().RunEventLoop();
}

void Quit(Int32 exitCode) {
  CheckMainThread();
  state.quitRequested = true;
  state.exitCode = exitCode;
  CurrentBackend().StopEventLoop();
}

void QuitMenuAction() { Quit(0); }

void UnhandledException(const std::exception& error) {
  std::cerr << ExceptionReport(error) << std::endl;
  state.exitCode = 1;
}

Int32 RuntimeExit() {
  CheckMainThread();
  const Int32 exitCode = state.exitCode;
  state = RuntimeState{};
  return exitCode;
}

}  // namespace framework
