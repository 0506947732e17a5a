#pragma once

#include "framework/Exceptions.h"

namespace builder {

using framework::String;

// A number that no record can hold, so the symbol it belongs to is not built: a field whose text
// lies beyond a double's range, a vertex whose arithmetic overflowed on the way, or a plate ID
// that is not whole.
class UnusableNumberException : public framework::RuntimeException {
 public:
  enum class Cause { BeyondRange, VertexOverflow, PlateIdNotWhole };

  // The field, by its name, and its text as split.
  static UnusableNumberException BeyondRange(String field, const String& text);
  static UnusableNumberException AtVertex(double latitude, double longitude);
  static UnusableNumberException PlateIdNotWhole(const String& text);

  Cause Why() const { return cause_; }
  const String& Field() const { return field_; }  // empty for a vertex
  const String& Text() const { return text_; }    // cut short when long, for a box to show

 private:
  UnusableNumberException(Cause cause, String message, String field, String text);

  Cause cause_;
  String field_;
  String text_;
};

}  // namespace builder
