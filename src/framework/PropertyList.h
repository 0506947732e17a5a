#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "framework/Properties.h"

namespace framework {

// A property list is a run of entries, each the property's name, one blank, then the value in
// the encoding of the property's type in the receiving class: an integer as 4 bytes big-endian,
// a Boolean as 1 byte, a colour as red, green, blue, a text as a 4-byte big-endian byte count
// and its UTF-8 bytes. The list ends where the string ends.
using PropertyEntries = std::vector<std::pair<String, PropertyValue>>;

String EncodePropertyList(const PropertyEntries& entries);

// Reads a list by the property types of the schema. Raises RuntimeException, and yields nothing,
// for a name the schema lacks, an entry without its blank, or a value cut short.
PropertyEntries DecodePropertyList(std::string_view list, const PropertySchema& schema);

// Applies every entry of the list to the object, in order; a list that does not decode sets nothing.
void SetProperties(PropertyObject& object, std::string_view list);

}  // namespace framework
