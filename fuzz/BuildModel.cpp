#include "BuildModel.h"

#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "FuzzCheck.h"
#include "framework/Conversions.h"
#include "framework/Text.h"
#include "state/Module1.h"

namespace fuzz {
namespace {

using framework::CDbl;
using framework::ToInt32;
using Form = ExpectedRecord::Form;
using Module1::kDigitTableBound;
using Module1::kOutputRecordBound;
using Module1::kParameterLineBound;

constexpr std::string_view kEndRecord = "99.0000 99.0000 3\n";

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t from = 0;;) {
    const std::size_t comma = line.find(',', from);
    fields.push_back(line.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
    if (comma == std::string_view::npos) return fields;
    from = comma + 1;
  }
}

ExpectedFailure MissingField(std::size_t fieldCount) {
  const auto count = static_cast<Int32>(fieldCount);
  return {"OutOfBoundsException", count, count - 1};
}

bool SameKeyword(std::string_view kind, std::string_view keyword) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (kind.size() != keyword.size()) return false;
  for (std::size_t k = 0; k < kind.size(); ++k)
    if (lower(kind[k]) != lower(keyword[k])) return false;
  return true;
}

enum class Kind { Circle, Square, Triangle, Plus, Cross, Dot, Arrow, NumericLabel };

struct KindEntry {
  Kind kind;
  std::string_view keyword;
  std::string_view title;
  std::string_view pens;  // of the fixed outlines, one character a vertex
  // Of the same vertices, the longitude each is placed at before its rotation: 'E' the centre's
  // plus the half size, 'W' minus it, '.' within a quarter degree of the centre's.
  std::string_view sides;
  // Of the same vertices, whether the north-south offset is made of the half size: 'h' or '0'.
  std::string_view norths;
  bool turned;  // by the bearing
};

constexpr std::array<KindEntry, 8> kKinds{{
    {Kind::Circle, "circle", " Circle ", "", "", "", false},
    {Kind::Square, "square", " Square ", "32222", "EEWWE", "hhhhh", false},
    {Kind::Triangle, "triangle", " Triangle ", "3222", ".EW.", "hhhh", false},
    {Kind::Plus, "plus", " Plus Sign ", "3232", "..EW", "hh00", false},
    {Kind::Cross, "cross", " X ", "3232", "EWWE", "hhhh", false},
    {Kind::Dot, "dot", "small dot ", "3", ".", "0", false},
    {Kind::Arrow, "arrow", " X ", "32322", ".....", "h0hhh", true},
    {Kind::NumericLabel, "URN", " Numeric Label ", "", "", "", true},
}};

struct Symbol {
  std::string titleTail;
  std::optional<std::string> plateId;  // none for a value within 100 to 999 that is not whole
  double centreLatitude = 0;
  double centreLongitude = 0;
  double halfSize = 0;
  double bearing = 0;
  bool negative = false;
  std::vector<Int32> digits;
};

// Every rotation of finite values gives finite ones, and one of any value that is not gives none,
// so a vertex is written exactly when every value it is computed from is finite: the centre, the
// offsets that place it and, where it is turned, the bearing.
bool Placeable(const Symbol& symbol, bool turned, double northSouth, double longitude) {
  return std::isfinite(symbol.centreLatitude) && std::isfinite(symbol.centreLongitude) && std::isfinite(northSouth) &&
         std::isfinite(longitude) && (!turned || std::isfinite(symbol.bearing));
}

// Three digits for a whole value, "101" outside 100 to 999.
std::optional<std::string> PlateId(std::string_view field) {
  const double plate = CDbl(field);
  if (plate > 999 || plate < 100) return "101";
  if (plate != std::floor(plate)) return std::nullopt;
  return std::to_string(static_cast<int>(plate));
}

// Most significant first, five places at most; the first takes whatever is left above them.
void SplitNumber(double number, Symbol& symbol) {
  symbol.negative = number < 0;
  double rest = std::fabs(number);
  const double magnitude = rest;
  for (Int32 place = 10000; place >= 10; place /= 10) {
    if (!(magnitude > place - 1)) continue;
    const double remainder = static_cast<double>(ToInt32(rest) % place);
    symbol.digits.push_back(ToInt32((rest - remainder) / place));
    rest = remainder;
  }
  symbol.digits.push_back(ToInt32(rest));
}

// The ring's angles in whole degrees, from 1 to one step past a full turn.
Int32 CircleStep(double radius) {
  Int32 n = ToInt32(radius * 20);
  if (n > 360) n = 360;
  if (n < 10) n = 10;
  return ToInt32(360.0 / n);
}

class Predictor {
 public:
  Predictor(const std::vector<std::string>& parameterLines, Int32 total, const DigitTableOnDisk& digitTable,
            Int32 gincBefore)
      : parameterLines_(parameterLines), total_(total), digitTable_(digitTable) {
    build_.ginc = gincBefore;
  }

  ExpectedBuild Run() {
    if (!LoadDigitTable()) return build_;
    for (Int32 index = 2; index <= total_; ++index) {
      if (index > kParameterLineBound) {
        Stop({"OutOfBoundsException", index, kParameterLineBound});
        break;
      }
      const auto fields = Fields(parameterLines_.at(static_cast<std::size_t>(index - 1)));
      if (fields.size() < 8) {
        Stop(MissingField(fields.size()));
        break;
      }
      build_.label2 = std::string(fields[0]);
      const Symbol symbol = MakeSymbol(fields);
      for (const auto& entry : kKinds) {
        if (!SameKeyword(fields[5], entry.keyword)) continue;
        if (!GenerateWhole(entry, symbol)) return build_;
        build_.symbols += 1;
      }
    }
    return build_;
  }

 private:
  bool LoadDigitTable() {
    switch (digitTable_.state) {
      case DigitTableOnDisk::State::Missing: return true;
      case DigitTableOnDisk::State::Unreadable: return Stop({"IOException", 0, 0});
      case DigitTableOnDisk::State::Present: break;
    }
    if (digitTable_.lines.size() > static_cast<std::size_t>(kDigitTableBound)) {
      build_.gNumTotal = kDigitTableBound + 1;
      return Stop({"OutOfBoundsException", kDigitTableBound + 1, kDigitTableBound});
    }
    build_.gNumTotal = static_cast<Int32>(digitTable_.lines.size());
    for (const auto& line : digitTable_.lines) digitFields_.push_back(Fields(line));
    return true;
  }

  static Symbol MakeSymbol(const std::vector<std::string_view>& fields) {
    Symbol symbol;
    const std::string kind(fields[5]);
    const double size = kind == "7" ? 2.0 : CDbl(fields[6]);
    symbol.halfSize = size / 2;
    symbol.centreLatitude = CDbl(fields[3]);
    symbol.centreLongitude = CDbl(fields[4]);
    symbol.bearing = CDbl(fields[7]);
    symbol.titleTail = " " + std::string(fields[0]) + " " + std::string(fields[1]) + " " + kind;
    symbol.plateId = PlateId(fields[2]);
    SplitNumber(CDbl(fields[0]), symbol);
    return symbol;
  }

  // A symbol that stops is taken back, unless the records are full.
  bool GenerateWhole(const KindEntry& entry, const Symbol& symbol) {
    const Int32 gincBefore = build_.ginc;
    const std::size_t recordsBefore = build_.records.size();
    if (Generate(entry, symbol)) return true;
    if (build_.ginc <= kOutputRecordBound) {
      build_.ginc = gincBefore;
      build_.records.resize(recordsBefore);
    }
    return false;
  }

  bool Generate(const KindEntry& entry, const Symbol& symbol) {
    if (!symbol.plateId) return Stop({"RuntimeException", 0, 0});
    if (!Append(Form::Exact, "9999 9999 " + std::string(entry.title) + " " + symbol.titleTail + "\n")) return false;
    if (!Append(Form::Exact, " " + *symbol.plateId + "  999.0 -999.0 UN   0   0   1     1\n")) return false;
    if (!Vertices(entry, symbol)) return false;
    return Append(Form::Exact, std::string(kEndRecord));
  }

  bool Vertices(const KindEntry& entry, const Symbol& symbol) {
    switch (entry.kind) {
      case Kind::Circle: {
        const double radius = symbol.halfSize > 180 ? 180 : symbol.halfSize;
        const Int32 step = CircleStep(radius);
        for (Int32 angle = 1; angle <= 360 + step; angle += step) {
          const double radians = angle * 0.01745329237161969;
          const double eastWest = 0.0 + (std::cos(radians) * radius);
          const double northSouth = 0.0 + (std::sin(radians) * radius);
          if (!Append(Form::MaskedVertex, angle == 1 ? "3" : "2",
                      Placeable(symbol, false, northSouth, eastWest + symbol.centreLongitude)))
            return false;
        }
        return true;
      }
      case Kind::NumericLabel: return DigitGlyphs(symbol);
      default:
        for (std::size_t k = 0; k < entry.pens.size(); ++k) {
          const double h = symbol.halfSize;
          const char side = entry.sides[k];
          const double longitude = symbol.centreLongitude + (side == 'E' ? 0.0 + h : side == 'W' ? 0.0 - h : 0.0);
          const double northSouth = entry.norths[k] == 'h' ? h : 0.0;
          if (!Append(entry.kind == Kind::Dot ? Form::PlainVertex : Form::MaskedVertex, std::string(1, entry.pens[k]),
                      Placeable(symbol, entry.turned, northSouth, longitude)))
            return false;
        }
        return true;
    }
  }

  // Every digit position reads every table line; a line of fewer than four fields stops it.
  // The glyph point, in glyph units, is the last one read, or the dash's, and lives for the build.
  bool DigitGlyphs(const Symbol& symbol) {
    for (std::size_t k = 0; k < symbol.digits.size(); ++k) {
      const std::string key = framework::Str(symbol.digits[k]);
      for (const auto& fields : digitFields_) {
        if (fields.size() < 4) return Stop(MissingField(fields.size()));
        glyphNorthSouth_ = CDbl(fields[1]);
        glyphEastWest_ = CDbl(fields[2]) + (0.7 * static_cast<double>(k + 1));
        if (fields[0] == key && !Append(Form::MaskedVertex, std::string(fields[3]), GlyphPlaceable(symbol)))
          return false;
      }
    }
    if (!symbol.negative) return true;
    glyphEastWest_ = (glyphEastWest_ - 0.7) - 0.75;
    if (!Append(Form::MaskedVertex, "3", GlyphPlaceable(symbol))) return false;
    glyphEastWest_ = glyphEastWest_ - 0.25;
    return Append(Form::MaskedVertex, "2", GlyphPlaceable(symbol));
  }

  bool GlyphPlaceable(const Symbol& symbol) const {
    const double h = symbol.halfSize;
    return Placeable(symbol, true, glyphNorthSouth_ * h, symbol.centreLongitude + (glyphEastWest_ * h));
  }

  // The count is raised first; a vertex that cannot be placed fails before the bound is met.
  bool Append(Form form, std::string text, bool placeable = true) {
    build_.ginc += 1;
    if (!placeable) return Stop({"RuntimeException", 0, 0});
    if (build_.ginc > kOutputRecordBound) return Stop({"OutOfBoundsException", build_.ginc, kOutputRecordBound});
    build_.records.push_back({form, std::move(text)});
    return true;
  }

  // Records the exception that ends the build; false, so that callers stop.
  bool Stop(ExpectedFailure failure) {
    build_.failure = std::move(failure);
    return false;
  }

  const std::vector<std::string>& parameterLines_;
  Int32 total_;
  const DigitTableOnDisk& digitTable_;
  std::vector<std::vector<std::string_view>> digitFields_;
  double glyphNorthSouth_ = 0;
  double glyphEastWest_ = 0;
  ExpectedBuild build_;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "-0.0000": an optional minus, digits, a point and four decimals.
bool IsMaskedCoordinate(std::string_view token) {
  if (token.starts_with('-')) token.remove_prefix(1);
  const std::size_t point = token.find('.');
  if (point == std::string_view::npos || point == 0 || token.size() - point != 5) return false;
  for (std::size_t k = 0; k < token.size(); ++k)
    if (k != point && !IsDigit(token[k])) return false;
  return true;
}

bool IsPlainCoordinate(std::string_view token) {
  return !token.empty() && std::isfinite(CDbl(token)) && framework::Str(CDbl(token)) == token;
}

}  // namespace

ExpectedBuild PredictBuild(const std::vector<std::string>& parameterLines, Int32 total,
                           const DigitTableOnDisk& digitTable, Int32 gincBefore) {
  return Predictor(parameterLines, total, digitTable, gincBefore).Run();
}

void CheckRecord(const std::string& actual, const ExpectedRecord& expected) {
  Require(!actual.empty() && actual.back() == '\n', "a record does not end in a line feed");
  Require(actual.find('\n') == actual.size() - 1, "a record holds a second line feed");
  Require(actual.find('\r') == std::string::npos, "a record holds a carriage return");
  if (expected.form == Form::Exact) {
    if (actual != expected.text) Fail("record \"" + actual + "\" where \"" + expected.text + "\" belongs");
    return;
  }
  const std::string suffix = " " + expected.text + "\n";
  Require(actual.ends_with(suffix), "a vertex record with the wrong pen code");
  const std::string_view coordinates = std::string_view(actual).substr(0, actual.size() - suffix.size());
  const std::size_t blank = coordinates.find(' ');
  Require(blank != std::string_view::npos && coordinates.find(' ', blank + 1) == std::string_view::npos,
          "a vertex record's coordinates are not two tokens");
  const auto valid = expected.form == Form::MaskedVertex ? IsMaskedCoordinate : IsPlainCoordinate;
  Require(valid(coordinates.substr(0, blank)) && valid(coordinates.substr(blank + 1)),
          "a vertex coordinate in the wrong shape");
}

}  // namespace fuzz
