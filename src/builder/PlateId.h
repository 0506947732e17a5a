#pragma once

#include "framework/Types.h"

namespace builder {

// The plate ID an attribute record opens with, made of field 2 of a parameter line. Readers take
// that record by columns, so a whole value is written as its three plain digits whatever form it
// was typed in (" 300", "512.0", "5e2"), and a value outside 100 to 999 as "101". A value within
// that range that is not whole is no plate ID at all: it raises UnusableNumberException.
framework::String PlateIdOf(const framework::String& field);

}  // namespace builder
