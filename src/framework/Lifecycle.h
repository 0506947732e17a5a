#pragma once

#include <exception>
#include <memory>

#include "framework/Application.h"
#include "framework/Types.h"
#include "framework/Window.h"

namespace framework {

// The framework's side of start-up and shutdown, in the order a program calls it.

// This thread becomes the main thread; no application, no open window, exit code 0. A write past
// a file-size limit fails from then on, instead of ending the process.
void RuntimeInit();
// The framework holds the application from then on.
void RuntimeRegisterAppObject(std::shared_ptr<Application> application);
std::shared_ptr<Application> RegisteredApplication();
// Calls lateStartup back once the framework's own initialisation is complete.
void RunFrameworkInitialization(void (*lateStartup)());
// The framework keeps a constructed window open until shutdown.
void RegisterOpenWindow(std::shared_ptr<Window> window);
// The open window of that class name, or Nil.
std::shared_ptr<Window> GetImplicitWindow(const String& className);
// The event loop: returns once the application quits (at once when a quit came before it).
void RuntimeRun();
// Ends the event loop; the code becomes the exit code.
void Quit(Int32 exitCode);
// What the framework's quit menu item does.
void QuitMenuAction();
// An exception that escaped start-up or the event loop: reported on standard error, and the
// exit code becomes 1.
void UnhandledException(const std::exception& error);
// Lets the application and the open windows go; returns the exit code.
Int32 RuntimeExit();

}  // namespace framework
