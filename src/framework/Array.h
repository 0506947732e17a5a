#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Types.h"

namespace framework {

// A one-dimensional array with a fixed upper bound (-1 for an empty one); every access is
// tested against the bounds. New elements start at their type's zero value.
template <typename T>
class Array {
 public:
  explicit Array(Int32 upperBound) : elements_(upperBound < 0 ? 0 : static_cast<std::size_t>(upperBound) + 1) {}

  Int32 UpperBound() const { return static_cast<Int32>(elements_.size()) - 1; }

  const T& operator()(Int32 index) const { return elements_[Checked(index)]; }
  void Store(Int32 index, T value) { elements_[Checked(index)] = std::move(value); }

 private:
  std::size_t Checked(Int32 index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= elements_.size()) ThrowOutOfBounds(index, UpperBound());
    return static_cast<std::size_t>(index);
  }

  [[noreturn, gnu::noinline, gnu::cold]] static void ThrowOutOfBounds(Int32 index, Int32 upperBound) {
    throw OutOfBoundsException(index, upperBound);
  }

  std::vector<T> elements_;
};

using Int32Array = Array<Int32>;
using DoubleArray = Array<double>;
using StringArray = Array<String>;

}  // namespace framework
