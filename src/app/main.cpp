#include "app/Startup.h"
#include "framework/qt/QtBackend.h"

// The arguments are the toolkit's (display and style options); the program reads none.
int main(int argc, char** argv) {
  framework::QtBackend backend(argc, argv);
  return app::RunProgram();
}
