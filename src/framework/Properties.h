#pragma once

#include <cstdint>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/Types.h"

namespace framework {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// The alternatives stand in the order of PropertyType.
enum class PropertyType { Integer, Boolean, Color, Text };
using PropertyValue = std::variant<Int32, bool, Color, String>;

PropertyType TypeOf(const PropertyValue& value);

struct PropertyDefinition {
  String name;
  PropertyValue initial;
};
using PropertySchema = std::vector<PropertyDefinition>;

PropertySchema Combine(PropertySchema base, const PropertySchema& added);

// An object of the user interface: it holds a value for each property its class declares, typed
// as declared. Every access checks that it runs on the main thread.
class PropertyObject {
 public:
  explicit PropertyObject(const PropertySchema& schema);
  virtual ~PropertyObject() = default;
  PropertyObject(const PropertyObject&) = delete;
  PropertyObject& operator=(const PropertyObject&) = delete;

  const PropertySchema& Schema() const { return schema_; }
  // Raises RuntimeException for a name the class does not declare or a value of another type.
  void SetProperty(std::string_view name, PropertyValue value);
  const PropertyValue& Property(std::string_view name) const;

  Int32 IntegerProperty(std::string_view name) const;
  bool BooleanProperty(std::string_view name) const;
  Color ColorProperty(std::string_view name) const;
  const String& TextProperty(std::string_view name) const;

 protected:
  // Tells whoever presents the object that a property has a new value.
  virtual void Changed() = 0;

 private:
  std::size_t IndexOf(std::string_view name) const;
  template <typename T>
  const T& Typed(std::string_view name) const;

  const PropertySchema& schema_;
  std::vector<PropertyValue> values_;
};

}  // namespace framework
