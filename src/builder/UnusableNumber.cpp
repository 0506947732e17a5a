#include "builder/UnusableNumber.h"

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

UnusableNumberException UnusableNumberException::BeyondRange(String field, const String& text) {
  String shown = Shown(text);
  String message = field + " \"" + shown + "\" is beyond the range of a double";
  return UnusableNumberException(Cause::BeyondRange, std::move(message), std::move(field), std::move(shown));
}

UnusableNumberException UnusableNumberException::AtVertex(double latitude, double longitude) {
  return UnusableNumberException(
      Cause::VertexOverflow,
      "a vertex came out at latitude " + framework::Str(latitude) + ", longitude " + framework::Str(longitude), {}, {});
}

UnusableNumberException UnusableNumberException::PlateIdNotWhole(const String& text) {
  String shown = Shown(text);
  String message = "plate ID \"" + shown + "\" lies within 100 to 999 but is not a whole number";
  return UnusableNumberException(Cause::PlateIdNotWhole, std::move(message), "plate ID", std::move(shown));
}

UnusableNumberException::UnusableNumberException(Cause cause, String message, String field, String text)
    : RuntimeException(std::move(message)), cause_(cause), field_(std::move(field)), text_(std::move(text)) {}

}  // namespace builder
