#include "files/DigitTableLoader.h"
#include "files/ParameterFileReader.h"
#include "files/SymbolFileWriter.h"
#include "framework/Nil.h"
#include "framework/Text.h"
#include "state/Module1.h"
#include "ui/Window1.h"

void Window1::PushButton10_Action() { files::SaveSymbolFile(); }

void Window1::PushButton1_Action() { files::ReadParameterFile(); }

void Window1::PushButton13_Action() { builder::RunBuild(*this); }

void Window1::LoadNumbers() {
  files::LoadDigitTable();
  framework::NotNil(Label1(), "Label1").SetText(framework::Str(Module1::gNumTotal));
}
