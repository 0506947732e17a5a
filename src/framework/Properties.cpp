#include "framework/Properties.h"

#include <utility>

#include "framework/Exceptions.h"
#include "framework/Runtime.h"

namespace framework {

PropertyType TypeOf(const PropertyValue& value) { return static_cast<PropertyType>(value.index()); }

PropertySchema Combine(PropertySchema base, const PropertySchema& added) {
  base.insert(base.end(), added.begin(), added.end());
  return base;
}

PropertyObject::PropertyObject(const PropertySchema& schema) : schema_(schema) {
  values_.reserve(schema.size());
  for (const auto& definition : schema) values_.push_back(definition.initial);
}

std::size_t PropertyObject::IndexOf(std::string_view name) const {
  CheckMainThread();
  for (std::size_t index = 0; index < schema_.size(); ++index) {
    if (schema_[index].name == name) return index;
  }
  throw RuntimeException("the object has no property " + String(name));
}

void PropertyObject::SetProperty(std::string_view name, PropertyValue value) {
  const std::size_t index = IndexOf(name);
  if (TypeOf(value) != TypeOf(values_[index]))
    throw RuntimeException("the property " + String(name) + " takes a value of another type");
  values_[index] = std::move(value);
  Changed();
}

const PropertyValue& PropertyObject::Property(std::string_view name) const { return values_[IndexOf(name)]; }

template <typename T>
const T& PropertyObject::Typed(std::string_view name) const {
  // The schema fixes each property's type, so the alternative is always the declared one.
  return std::get<T>(Property(name));
}

Int32 PropertyObject::IntegerProperty(std::string_view name) const { return Typed<Int32>(name); }
bool PropertyObject::BooleanProperty(std::string_view name) const { return Typed<bool>(name); }
Color PropertyObject::ColorProperty(std::string_view name) const { return Typed<Color>(name); }
const String& PropertyObject::TextProperty(std::string_view name) const { return Typed<String>(name); }

}  // namespace framework
