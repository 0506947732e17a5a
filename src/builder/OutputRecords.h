#pragma once

#include <string_view>

#include "framework/Types.h"

// The four forms of an output record; each ends with exactly one line feed.
namespace builder {

using framework::String;

inline constexpr std::string_view kEndRecord = "99.0000 99.0000 3\n";

String TitleRecord(std::string_view kindTitle, std::string_view titleTail);
String AttributeRecord(std::string_view plateId);
// A latitude past a pole is written as the pole: no reader takes 90.0001. A coordinate that is
// not finite raises UnusableNumberException.
// Every kind but the dot writes its coordinates with the mask "-0.0000".
String VertexRecord(double latitude, double longitude, std::string_view penCode);
// The dot writes them in the shortest text that reads back as the same double.
String DotVertexRecord(double latitude, double longitude, std::string_view penCode);

}  // namespace builder
