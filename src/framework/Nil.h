#pragma once

#include <memory>

#include "framework/Exceptions.h"

namespace framework {

// Using Nil raises NilObjectException instead of touching a null pointer.
template <typename T>
T& NotNil(const std::shared_ptr<T>& object, const char* what) {
  if (!object) throw NilObjectException(String(what) + " is Nil");
  return *object;
}

}  // namespace framework
