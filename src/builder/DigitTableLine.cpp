#include "builder/DigitTableLine.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "framework/Exceptions.h"
#include "framework/Text.h"

namespace builder {
namespace {

using framework::Int32;

constexpr Int32 kFieldsRead = 4;

class LeadingFields {
 public:
  // The lines are a few bytes long: an inline scan beats a call to memchr per field.
  explicit LeadingFields(std::string_view line) {
    auto from = line.begin();
    for (;;) {
      const auto comma = std::find(from, line.end(), ',');
      fields_[static_cast<std::size_t>(count_)] = std::string_view(from, comma);
      ++count_;
      if (comma == line.end() || count_ == kFieldsRead) break;
      from = comma + 1;
    }
  }

  // Only a line of fewer than four fields is scanned to its end, so only then is its last
  // field index known; that is the only case in which it is reported.
  std::string_view operator()(Int32 index) const {
    if (index >= count_) throw framework::OutOfBoundsException(index, count_ - 1);
    return fields_[static_cast<std::size_t>(index)];
  }

 private:
  std::array<std::string_view, kFieldsRead> fields_{};
  Int32 count_ = 0;
};

}  // namespace

GlyphPoint ReadDigitTableLine(std::string_view line) {
  const LeadingFields fields(line);
  GlyphPoint point;
  point.digitKey = fields(0);
  point.northSouth = framework::CDbl(fields(1));
  point.eastWest = framework::CDbl(fields(2));
  point.penCode = fields(3);
  return point;
}

UnusableNumberException CoordinateBeyondRange(std::string_view line) {
  const LeadingFields fields(line);
  if (!std::isfinite(framework::CDbl(fields(1))))
    return UnusableNumberException::BeyondRange("north-south coordinate", String(fields(1)));
  return UnusableNumberException::BeyondRange("east-west coordinate", String(fields(2)));
}

}  // namespace builder
