#pragma once

#include "builder/SymbolLine.h"
#include "framework/Exceptions.h"

// The sentences that lead the report of a build that stopped, each chosen by the condition the
// build was left in; empty when it is none of those a person can act on.
namespace builder {

// At a parameter line: a line past those the file's read kept, a line of too few fields, a run
// whose output records are full, or a number no record can hold.
String ParameterLineFault(const BuildContext& context, Int32 line, const framework::RuntimeException& error);

// At a line of the digit table: a line of too few fields, or a coordinate no record can hold.
String DigitTableLineFault(const framework::StringArray& table, Int32 line, const framework::RuntimeException& error);

}  // namespace builder
