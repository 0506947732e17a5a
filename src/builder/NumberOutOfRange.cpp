#include "builder/NumberOutOfRange.h"

#include <utility>

#include "framework/Text.h"

namespace builder {
namespace {

// A field of megabytes would fill the report box.
constexpr std::size_t kLongestTextShown = 40;

String Shown(const String& text) {
  if (text.size() <= kLongestTextShown) return text;
  return text.substr(0, kLongestTextShown) + "...";
}

}  // namespace

NumberOutOfRangeException NumberOutOfRangeException::InField(String field, const String& text) {
  String shown = Shown(text);
  String message = field + " \"" + shown + "\" is beyond the range of a double";
  return NumberOutOfRangeException(std::move(message), std::move(field), std::move(shown));
}

NumberOutOfRangeException NumberOutOfRangeException::AtVertex(double latitude, double longitude) {
  return NumberOutOfRangeException(
      "a vertex came out at latitude " + framework::Str(latitude) + ", longitude " + framework::Str(longitude), {}, {});
}

NumberOutOfRangeException::NumberOutOfRangeException(String message, String field, String text)
    : RuntimeException(std::move(message)), field_(std::move(field)), text_(std::move(text)) {}

}  // namespace builder
