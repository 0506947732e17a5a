#include "framework/Text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "framework/Exceptions.h"

namespace framework {
namespace {

// Wide enough for DBL_MAX in fixed notation with the decimals of any mask we accept.
constexpr std::size_t kNumberBufferSize = 400;
constexpr std::size_t kMaxMaskDecimals = 17;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountDigits(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return end - from;
}

const char* NonFiniteText(double value) {
  if (std::isnan(value)) return "nan";
  return value < 0 ? "-inf" : "inf";
}

// Decimal exponent of the leading significant digit plus one, saturating; only its sign matters.
long long DecimalOrder(std::string_view integerPart, std::string_view fractionPart, std::string_view exponentDigits,
                       bool exponentNegative) {
  long long order = 0;
  const auto firstInteger = integerPart.find_first_not_of('0');
  if (firstInteger != std::string_view::npos) {
    order = static_cast<long long>(integerPart.size() - firstInteger);
  } else {
    const auto firstFraction = fractionPart.find_first_not_of('0');
    order = -static_cast<long long>(firstFraction);
  }
  constexpr long long cap = 1'000'000'000;
  long long exponent = 0;
  for (char digit : exponentDigits) {
    exponent = exponent * 10 + (digit - '0');
    if (exponent > cap) {
      exponent = cap;
      break;
    }
  }
  return order + (exponentNegative ? -exponent : exponent);
}

}  // namespace

String Str(Int32 value) { return std::to_string(value); }

String Str(double value) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return String(buffer.data(), result.ptr);
}

String Format(double value, std::string_view mask) {
  const bool wellFormed =
      mask.starts_with("-0") && (mask.size() == 2 || (mask[2] == '.' && mask.size() - 3 <= kMaxMaskDecimals &&
                                                      mask.find_first_not_of('0', 3) == std::string_view::npos));
  if (!wellFormed) throw RuntimeException("unsupported number format \"" + String(mask) + "\"");
  if (!std::isfinite(value)) return NonFiniteText(value);
  const int decimals = mask.size() > 2 ? static_cast<int>(mask.size() - 3) : 0;
  std::array<char, kNumberBufferSize> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
  const char* begin = buffer.data();
  // Negative zero, and nothing else that is not below zero, would print a sign.
  if (*begin == '-' && !(value < 0)) ++begin;
  return String(begin, static_cast<const char*>(result.ptr));
}

double CDbl(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t start = i;
  const std::size_t integerDigits = CountDigits(text, i);
  i += integerDigits;
  std::size_t fractionDigits = 0;
  if (i < text.size() && text[i] == '.') {
    fractionDigits = CountDigits(text, i + 1);
    if (integerDigits + fractionDigits > 0) i += 1 + fractionDigits;
  }
  if (integerDigits + fractionDigits == 0) return 0.0;
  const std::string_view integerPart = text.substr(start, integerDigits);
  const std::string_view fractionPart =
      fractionDigits > 0 ? text.substr(start + integerDigits + 1, fractionDigits) : std::string_view{};

  std::string_view exponentDigits;
  bool exponentNegative = false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
      exponentNegative = text[j] == '-';
      ++j;
    }
    const std::size_t digits = CountDigits(text, j);
    if (digits > 0) {
      exponentDigits = text.substr(j, digits);
      i = j + digits;
    }
  }

  double value = 0.0;
  const auto result = std::from_chars(text.data() + start, text.data() + i, value);
  if (result.ec == std::errc::result_out_of_range) {
    const bool overflow = DecimalOrder(integerPart, fractionPart, exponentDigits, exponentNegative) > 0;
    value = overflow ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

StringArray Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  if (separator.empty()) {
    pieces.push_back(text);
  } else {
    std::size_t from = 0;
    for (auto at = text.find(separator); at != std::string_view::npos; at = text.find(separator, from)) {
      pieces.push_back(text.substr(from, at - from));
      from = at + separator.size();
    }
    pieces.push_back(text.substr(from));
  }
  StringArray result(static_cast<Int32>(pieces.size()) - 1);
  for (std::size_t k = 0; k < pieces.size(); ++k) result.Store(static_cast<Int32>(k), String(pieces[k]));
  return result;
}

String Chr(Int32 code) {
  const auto unit = [](Int32 bits) { return static_cast<char>(static_cast<unsigned char>(bits)); };
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  if (code < 0x80) return String(1, unit(code));
  if (code < 0x800) return {unit(0xC0 | (code >> 6)), unit(0x80 | (code & 0x3F))};
  if (code < 0x10000) return {unit(0xE0 | (code >> 12)), unit(0x80 | ((code >> 6) & 0x3F)), unit(0x80 | (code & 0x3F))};
  return {unit(0xF0 | (code >> 18)), unit(0x80 | ((code >> 12) & 0x3F)), unit(0x80 | ((code >> 6) & 0x3F)),
          unit(0x80 | (code & 0x3F))};
}

bool StringEquals(std::string_view left, std::string_view right) {
  if (left.size() != right.size()) return false;
  const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t k = 0; k < left.size(); ++k) {
    if (fold(left[k]) != fold(right[k])) return false;
  }
  return true;
}

}  // namespace framework
