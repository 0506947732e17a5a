#include "framework/PropertyList.h"

#include <cstdint>
#include <variant>

#include "framework/Exceptions.h"

namespace framework {
namespace {

class Reader {
 public:
  explicit Reader(std::string_view list) : rest_(list) {}

  bool AtEnd() const { return rest_.empty(); }

  std::string_view Name() {
    const auto blank = rest_.find(' ');
    if (blank == std::string_view::npos) throw RuntimeException("a property list entry has no blank after its name");
    const std::string_view name = rest_.substr(0, blank);
    rest_.remove_prefix(blank + 1);
    return name;
  }

  std::string_view Take(std::size_t count, std::string_view name) {
    if (count > rest_.size()) throw RuntimeException("the property list ends inside the value of " + String(name));
    const std::string_view taken = rest_.substr(0, count);
    rest_.remove_prefix(count);
    return taken;
  }

  std::uint32_t BigEndian(std::string_view name) {
    std::uint32_t value = 0;
    for (const char byte : Take(4, name)) value = (value << 8) | static_cast<unsigned char>(byte);
    return value;
  }

  PropertyValue Value(PropertyType type, std::string_view name) {
    switch (type) {
      case PropertyType::Integer: return static_cast<Int32>(BigEndian(name));
      case PropertyType::Boolean: return Take(1, name)[0] != 0;
      case PropertyType::Color: {
        const std::string_view bytes = Take(3, name);
        return Color{static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]),
                     static_cast<std::uint8_t>(bytes[2])};
      }
      case PropertyType::Text: {
        const std::uint32_t count = BigEndian(name);
        return String(Take(count, name));
      }
    }
    throw RuntimeException("the property " + String(name) + " has a type no list can carry");
  }

 private:
  std::string_view rest_;
};

void AppendBigEndian(String& list, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) list += static_cast<char>((value >> shift) & 0xFFu);
}

PropertyType DeclaredType(const PropertySchema& schema, std::string_view name) {
  for (const auto& definition : schema) {
    if (definition.name == name) return TypeOf(definition.initial);
  }
  throw RuntimeException("the property list names " + String(name) + ", which the class does not have");
}

}  // namespace

String EncodePropertyList(const PropertyEntries& entries) {
  String list;
  for (const auto& [name, value] : entries) {
    list += name + ' ';
    switch (TypeOf(value)) {
      case PropertyType::Integer: AppendBigEndian(list, static_cast<std::uint32_t>(std::get<Int32>(value))); break;
      case PropertyType::Boolean: list += std::get<bool>(value) ? '\x01' : '\x00'; break;
      case PropertyType::Color: {
        const Color color = std::get<Color>(value);
        list += {static_cast<char>(color.red), static_cast<char>(color.green), static_cast<char>(color.blue)};
        break;
      }
      case PropertyType::Text: {
        const String& text = std::get<String>(value);
        AppendBigEndian(list, static_cast<std::uint32_t>(text.size()));
        list += text;
        break;
      }
    }
  }
  return list;
}

PropertyEntries DecodePropertyList(std::string_view list, const PropertySchema& schema) {
  PropertyEntries entries;
  Reader reader(list);
  while (!reader.AtEnd()) {
    const std::string_view name = reader.Name();
    entries.emplace_back(String(name), reader.Value(DeclaredType(schema, name), name));
  }
  return entries;
}

void SetProperties(PropertyObject& object, std::string_view list) {
  for (auto& [name, value] : DecodePropertyList(list, object.Schema())) object.SetProperty(name, std::move(value));
}

}  // namespace framework
