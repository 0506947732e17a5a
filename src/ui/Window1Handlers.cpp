// The four button handlers, each running its dialog and handing the work to its layer, and the
// digit table's load at the start of a build.
#include "files/DigitTableLoader.h"
#include "files/ParameterFileReader.h"
#include "files/SymbolFileWriter.h"
#include "framework/FileDialogs.h"
#include "framework/Lifecycle.h"
#include "framework/Nil.h"
#include "framework/Text.h"
#include "state/Module1.h"
#include "ui/Window1.h"

// "4. Quit"
void Window1::PushButton3_Action(framework::PushButton& /*button*/) { framework::Quit(0); }

// "3. Save Kestrovan Symbol File (.dat)"
void Window1::PushButton10_Action(framework::PushButton& /*button*/) {
  framework::SaveAsDialog dialog;
  const auto file = dialog.ShowModal();
  if (!file) return;
  files::SaveSymbolFile(file);
}

// "1. Open Symbol Parameter File"
void Window1::PushButton1_Action(framework::PushButton& /*button*/) {
  // Before the dialog, so that a cancel also leaves no parameter line in use.
  Module1::total = 0;
  framework::OpenDialog dialog;
  const auto file = dialog.ShowModal();
  if (!file) return;
  files::ReadParameterFile(file);
}

// "2. Build Symbols"
void Window1::PushButton13_Action(framework::PushButton& /*button*/) { builder::RunBuild(*this); }

void Window1::LoadNumbers() {
  files::LoadDigitTable();
  framework::NotNil(Label1(), "Label1").SetText(framework::Str(Module1::gNumTotal));
}
