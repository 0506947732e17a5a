#pragma once

#include <string_view>

#include "framework/Types.h"

// The four forms of an output record; each ends with exactly one line feed.
namespace builder {

using framework::String;

inline constexpr std::string_view kEndRecord = "99.0000 99.0000 3\n";

String TitleRecord(std::string_view kindTitle, std::string_view titleTail);
String AttributeRecord(std::string_view plateId);
String VertexRecord(std::string_view latitudeText, std::string_view longitudeText, std::string_view penCode);

// The coordinate text of every kind but the dot.
String CoordinateText(double degrees);

}  // namespace builder
