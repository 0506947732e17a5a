#include "app/Startup.h"
#include "framework/qt/QtBackend.h"

// The program reads no arguments: the toolkit gets the program's name alone, so no option on the
// command line can retitle, resize, mirror or replace the platform (that comes from
// QT_QPA_PLATFORM). The toolkit keeps these for the lifetime of its application object.
int main(int /*argc*/, char** /*argv*/) {
  static int argumentCount = 1;
  static char programName[] = "kestrovan-plotter";
  static char* arguments[] = {programName, nullptr};
  framework::QtBackend backend(argumentCount, arguments);
  return app::RunProgram();
}
