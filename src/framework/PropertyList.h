#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/Properties.h"

namespace framework {

// A property list is a run of entries, each the property's name, one blank, then the value in
// the encoding of the property's type in the receiving class: an integer as 4 bytes big-endian,
// a Boolean as 1 byte, a colour as red, green, blue, a text as a 4-byte big-endian byte count
// and its UTF-8 bytes. The list ends where the string ends.

// One entry of a list made at compile time.
struct PropertyEntry {
  std::string_view name;
  PropertyType type = PropertyType::Integer;
  Int32 integer = 0;
  bool boolean = false;
  Color color{};
  std::string_view text{};
};

constexpr PropertyEntry IntegerEntry(std::string_view name, Int32 value) {
  return {.name = name, .type = PropertyType::Integer, .integer = value};
}
constexpr PropertyEntry BooleanEntry(std::string_view name, bool value) {
  return {.name = name, .type = PropertyType::Boolean, .boolean = value};
}
constexpr PropertyEntry ColorEntry(std::string_view name, Color value) {
  return {.name = name, .type = PropertyType::Color, .color = value};
}
constexpr PropertyEntry TextEntry(std::string_view name, std::string_view value) {
  return {.name = name, .type = PropertyType::Text, .text = value};
}

constexpr std::size_t EncodedValueSize(const PropertyEntry& entry) {
  switch (entry.type) {
    case PropertyType::Integer: return 4;
    case PropertyType::Boolean: return 1;
    case PropertyType::Color: return 3;
    case PropertyType::Text: return 4 + entry.text.size();
  }
  return 0;
}

template <std::size_t N>
constexpr std::size_t EncodedSize(const std::array<PropertyEntry, N>& entries) {
  std::size_t size = 0;
  for (const auto& entry : entries) size += entry.name.size() + 1 + EncodedValueSize(entry);
  return size;
}

template <std::size_t N, std::size_t M>
constexpr std::array<PropertyEntry, N + M> Concatenate(const std::array<PropertyEntry, N>& first,
                                                       const std::array<PropertyEntry, M>& second) {
  std::array<PropertyEntry, N + M> entries{};
  for (std::size_t index = 0; index < N; ++index) entries[index] = first[index];
  for (std::size_t index = 0; index < M; ++index) entries[N + index] = second[index];
  return entries;
}

namespace property_list_detail {

template <std::size_t Size>
struct Writer {
  std::array<char, Size> bytes{};
  std::size_t used = 0;

  constexpr void Byte(std::uint32_t value) { bytes[used++] = static_cast<char>(static_cast<unsigned char>(value & 0xFFu)); }
  constexpr void BigEndian(std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) Byte(value >> shift);
  }
  constexpr void Bytes(std::string_view text) {
    for (const char character : text) bytes[used++] = character;
  }
};

}  // namespace property_list_detail

template <std::size_t Size, std::size_t N>
constexpr std::array<char, Size> EncodePropertyList(const std::array<PropertyEntry, N>& entries) {
  property_list_detail::Writer<Size> writer;
  for (const auto& entry : entries) {
    writer.Bytes(entry.name);
    writer.Byte(' ');
    switch (entry.type) {
      case PropertyType::Integer: writer.BigEndian(static_cast<std::uint32_t>(entry.integer)); break;
      case PropertyType::Boolean: writer.Byte(entry.boolean ? 1 : 0); break;
      case PropertyType::Color:
        writer.Byte(entry.color.red);
        writer.Byte(entry.color.green);
        writer.Byte(entry.color.blue);
        break;
      case PropertyType::Text:
        writer.BigEndian(static_cast<std::uint32_t>(entry.text.size()));
        writer.Bytes(entry.text);
        break;
    }
  }
  return writer.bytes;
}

// The bytes of a list whose entries are a constant of static storage, made at compile time.
template <const auto& entries>
inline constexpr auto kEncodedPropertyList = EncodePropertyList<EncodedSize(entries)>(entries);

template <std::size_t Size>
constexpr std::string_view AsText(const std::array<char, Size>& bytes) {
  return {bytes.data(), bytes.size()};
}

// Reads a list by the property types of the schema. Raises RuntimeException, and yields nothing,
// for a name the schema lacks, an entry without its blank, or a value cut short.
std::vector<std::pair<String, PropertyValue>> DecodePropertyList(std::string_view list, const PropertySchema& schema);

// Applies every entry of the list to the object, in order; a list that does not decode sets nothing.
void SetProperties(PropertyObject& object, std::string_view list);

}  // namespace framework
