// Str, Format, CDbl and the Int32 conversion over arbitrary doubles and texts, against the C
// library and against each other.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "framework/Conversions.h"
#include "framework/Exceptions.h"
#include "framework/Text.h"

namespace {

using framework::String;
using fuzz::Require;

constexpr std::size_t kMaxMaskDecimals = 17;

bool SameDouble(double left, double right) {
  return std::bit_cast<std::uint64_t>(left) == std::bit_cast<std::uint64_t>(right);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

String NonFiniteText(double x) { return std::isnan(x) ? "nan" : (x < 0 ? "-inf" : "inf"); }

// What a mask must print: the C library's "%.*f", without the sign of a value that is not below zero.
String PrintedFixed(double x, int decimals) {
  if (!std::isfinite(x)) return NonFiniteText(x);
  char buffer[400];
  const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, x);
  Require(length > 0 && static_cast<std::size_t>(length) < sizeof buffer, "the reference print did not fit");
  String text(buffer, static_cast<std::size_t>(length));
  if (text.starts_with('-') && !(x < 0)) text.erase(0, 1);
  return text;
}

void CheckStr(double x) {
  const String text = framework::Str(x);
  if (!std::isfinite(x)) {
    Require(text == NonFiniteText(x), "Str of a value that is no finite number");
    return;
  }
  Require(SameDouble(framework::CDbl(text), x), "CDbl(Str(x)) is not x");
  char longest[64];
  std::snprintf(longest, sizeof longest, "%.17g", x);
  Require(text.size() <= std::strlen(longest), "Str is longer than 17 significant digits need");
  Require(text.find_first_of(" \t,") == String::npos, "Str holds a blank or a comma");
}

void CheckFormat(double x, std::size_t decimals) {
  const String mask = decimals == 0 ? String("-0") : "-0." + String(decimals, '0');
  const String text = framework::Format(x, mask);
  Require(text == PrintedFixed(x, static_cast<int>(decimals)), "Format differs from the C library's print");
  if (!std::isfinite(x)) return;
  const std::size_t digitsFrom = text.starts_with('-') ? 1 : 0;
  const std::size_t point = text.find('.');
  Require((point == String::npos) == (decimals == 0), "Format's point");
  const std::size_t integerEnd = point == String::npos ? text.size() : point;
  Require(integerEnd > digitsFrom, "Format has no digit before the point");
  Require(decimals == 0 || text.size() - point - 1 == decimals, "Format's number of decimals");
  for (std::size_t k = digitsFrom; k < text.size(); ++k) Require(k == point || IsDigit(text[k]), "Format's characters");
}

// A mask other than "-0" with an optional point and up to 17 zeros is refused.
void CheckArbitraryMask(double x, std::string_view mask) {
  const bool wellFormed = mask == "-0" || (mask.starts_with("-0.") && mask.size() - 3 <= kMaxMaskDecimals &&
                                           std::all_of(mask.begin() + 3, mask.end(), [](char c) { return c == '0'; }));
  try {
    const String text = framework::Format(x, mask);
    Require(wellFormed, "Format took a mask it cannot print");
    Require(text == PrintedFixed(x, static_cast<int>(mask.size() > 2 ? mask.size() - 3 : 0)), "Format with a mask");
  } catch (const framework::RuntimeException& error) {
    Require(!wellFormed, "Format refused a mask it can print");
    Require(error.ClassName() == "RuntimeException", "Format's refusal has another class");
  }
}

// The longest prefix that is a decimal number, read by the C library.
double ReferenceCDbl(std::string_view text) {
  std::size_t at = text.find_first_not_of(" \t");
  if (at == std::string_view::npos) return 0.0;
  const std::size_t start = at;
  if (text[at] == '+' || text[at] == '-') ++at;
  const auto digitsFrom = [&](std::size_t from) {
    while (from < text.size() && IsDigit(text[from])) ++from;
    return from;
  };
  std::size_t end = digitsFrom(at);
  bool anyDigit = end > at;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = digitsFrom(end + 1);
    anyDigit = anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!anyDigit) return 0.0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t exponentEnd = digitsFrom(exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  const String number(text.substr(start, end - start));
  return std::strtod(number.c_str(), nullptr);
}

void CheckCDbl(std::string_view text) {
  const double value = framework::CDbl(text);
  Require(SameDouble(value, ReferenceCDbl(text)), "CDbl differs from the C library's reading");
  Require(!std::isnan(value), "CDbl gave NaN");
  CheckStr(value);
}

void CheckToInt32(double x) {
  using Limits = std::numeric_limits<framework::Int32>;
  framework::Int32 expected = 0;
  if (std::isnan(x)) {
    expected = 0;
  } else if (x >= static_cast<double>(Limits::max())) {
    expected = Limits::max();
  } else if (x <= static_cast<double>(Limits::min())) {
    expected = Limits::min();
  } else {
    expected = static_cast<framework::Int32>(std::trunc(x));
  }
  Require(framework::ToInt32(x) == expected, "ToInt32 does not truncate and saturate");
}

}  // namespace

// The first eight bytes are a double's bits, the rest a text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, data, std::min(size, sizeof bits));
  const double x = std::bit_cast<double>(bits);
  const std::string_view text =
      size > sizeof bits ? std::string_view(reinterpret_cast<const char*>(data) + sizeof bits, size - sizeof bits)
                         : std::string_view{};

  CheckStr(x);
  CheckFormat(x, 4);
  CheckFormat(x, text.empty() ? 0 : static_cast<unsigned char>(text[0]) % (kMaxMaskDecimals + 1));
  CheckToInt32(x);
  CheckCDbl(text);
  if (text.size() <= 2 * kMaxMaskDecimals) CheckArbitraryMask(x, text);
  const double read = framework::CDbl(text);
  CheckFormat(read, 4);
  CheckToInt32(read);
  return 0;
}
