#include "builder/OutputRecords.h"

#include <cmath>

#include "builder/UnusableNumber.h"
#include "framework/Text.h"

namespace builder {
namespace {

// The header fields that every symbol shares.
constexpr std::string_view kRegionNumber = "99";
constexpr std::string_view kReferenceNumber = "99";
constexpr std::string_view kStringNumber = "9999";
constexpr std::string_view kAgeOfAppearance = "999.0";
constexpr std::string_view kAgeOfDisappearance = "-999.0";
constexpr std::string_view kDataTypeCode = "UN";
constexpr std::string_view kDataTypeNumber = "0";
constexpr std::string_view kConjugatePlate = "0";
constexpr std::string_view kColourCode = "1";
constexpr std::string_view kNumberOfPoints = "1";

String Join(std::initializer_list<std::string_view> pieces) {
  String text;
  std::size_t length = 0;
  for (auto piece : pieces) length += piece.size();
  text.reserve(length);
  for (auto piece : pieces) text.append(piece);
  return text;
}

String JoinVertex(std::string_view latitudeText, std::string_view longitudeText, std::string_view penCode) {
  return Join({latitudeText, " ", longitudeText, " ", penCode, "\n"});
}

String CoordinateText(double degrees) { return framework::Format(degrees, "-0.0000"); }

// No reader takes "nan" or "inf" for a coordinate.
void RequireFinite(double latitude, double longitude) {
  if (!std::isfinite(latitude) || !std::isfinite(longitude))
    throw UnusableNumberException::AtVertex(latitude, longitude);
}

double WithinThePoles(double latitude) {
  if (latitude > 90) return 90;
  if (latitude < -90) return -90;
  return latitude;
}

}  // namespace

String TitleRecord(std::string_view kindTitle, std::string_view titleTail) {
  return Join({kRegionNumber, kReferenceNumber, " ", kStringNumber, " ", kindTitle, " ", titleTail, "\n"});
}

String AttributeRecord(std::string_view plateId) {
  return Join({" ", plateId, "  ", kAgeOfAppearance, " ", kAgeOfDisappearance, " ", kDataTypeCode, "   ",
               kDataTypeNumber, "   ", kConjugatePlate, "   ", kColourCode, "     ", kNumberOfPoints, "\n"});
}

String VertexRecord(double latitude, double longitude, std::string_view penCode) {
  RequireFinite(latitude, longitude);
  return JoinVertex(CoordinateText(WithinThePoles(latitude)), CoordinateText(longitude), penCode);
}

String DotVertexRecord(double latitude, double longitude, std::string_view penCode) {
  RequireFinite(latitude, longitude);
  return JoinVertex(framework::Str(WithinThePoles(latitude)), framework::Str(longitude), penCode);
}

}  // namespace builder
