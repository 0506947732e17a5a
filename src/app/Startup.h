#pragma once

// Start-up and shutdown, from the process entry to its exit code.
namespace app {

// The whole run: the run-time started, the initializers, Main, the finalizers, the run-time
// ended. The result is the exit code: 0 after a quit, 1 when an exception escaped start-up or
// the event loop.
int RunProgram();

// The globals of Module1, in declaration order.
void PerformInitializers();
// Early start-up, the framework's initialisation with the late start-up step, then the event
// loop; an exception that escapes any of them goes to the framework's unhandled-exception report.
void Main();
void EarlyStartup();
// The application object, given the shared menu bar, registered with the framework.
void NewAppInstance();
void LateStartup();
// The main window; the framework keeps it open.
void MakeDefaultView();
// The shared menu bar first, then the three arrays of Module1.
void PerformFinalizers();

}  // namespace app
