#pragma once

#include "framework/Exceptions.h"

namespace builder {

using framework::String;

// A number that no record can hold, so the symbol it belongs to is not built: a parameter field
// whose text lies beyond a double's range, or a vertex whose arithmetic overflowed on the way.
class NumberOutOfRangeException : public framework::RuntimeException {
 public:
  // The field, by its name, and its text as split.
  static NumberOutOfRangeException InField(String field, const String& text);
  static NumberOutOfRangeException AtVertex(double latitude, double longitude);

  const String& Field() const { return field_; }  // empty for a vertex
  const String& Text() const { return text_; }    // cut short when long, for a box to show

 private:
  NumberOutOfRangeException(String message, String field, String text);

  String field_;
  String text_;
};

}  // namespace builder
