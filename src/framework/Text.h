#pragma once

#include <string_view>

#include "framework/Array.h"
#include "framework/Types.h"

namespace framework {

// Plain decimal digits, with a minus sign when negative.
String Str(Int32 value);
// The shortest text that reads back as the same double ("1", "0.5", "1e+20");
// NaN is "nan" and the infinities "inf" and "-inf".
String Str(double value);

// Masks of the form "-0.0000": at least one digit before the point, as many decimals as the
// mask has zeros after it, correctly rounded from the exact binary value (ties to even), and a
// minus sign exactly when the value is below zero. NaN and the infinities get the texts of Str.
String Format(double value, std::string_view mask);

// Leading blanks and tabs are skipped, then the longest prefix that is a decimal number is read
// in the C locale; no number gives 0, a number beyond the double range the infinity of its sign.
// "nan" and "inf" are no numbers.
double CDbl(std::string_view text);

// The pieces between separators, the first at index 0; an empty text is one empty piece.
StringArray Split(std::string_view text, std::string_view separator);

// The UTF-8 text of one code point; an invalid code point gives the empty text.
String Chr(Int32 code);

// ASCII letters compare without regard to case; every other byte compares exactly.
bool StringEquals(std::string_view left, std::string_view right);

}  // namespace framework
