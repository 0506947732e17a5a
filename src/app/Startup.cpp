#include "app/Startup.h"

#include <exception>

#include "app/App.h"
#include "framework/Lifecycle.h"
#include "state/Module1.h"
#include "ui/MainMenuBar.h"
#include "ui/Window1.h"

namespace app {

int RunProgram() {
  framework::RuntimeInit();
  try {
    PerformInitializers();
    Main();
  } catch (const std::exception& error) {
    framework::UnhandledException(error);
  }
  PerformFinalizers();
  return framework::RuntimeExit();
}

void PerformInitializers() { Module1::Initialize(); }

void Main() {
  try {
    EarlyStartup();
    framework::RunFrameworkInitialization(LateStartup);
    framework::RuntimeRun();
  } catch (const std::exception& error) {
    framework::UnhandledException(error);
  }
}

void EarlyStartup() { NewAppInstance(); }

void NewAppInstance() {
  auto application = std::make_shared<App>();
  application->SetMenuBar(MainMenuBar::ImplicitInstance());
  framework::RuntimeRegisterAppObject(std::move(application));
}

void LateStartup() { MakeDefaultView(); }

void MakeDefaultView() { Window1::ImplicitInstance(); }

void PerformFinalizers() {
  MainMenuBar::ReleaseImplicitInstance();
  Module1::Finalize();
}

}  // namespace app
