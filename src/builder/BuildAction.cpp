#include "builder/BuildAction.h"

#include <array>
#include <string_view>

#include "builder/BuildFaults.h"
#include "builder/KindGenerators.h"
#include "builder/ParameterLine.h"
#include "builder/SymbolRecords.h"
#include "builder/UnusableNumber.h"
#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "framework/Text.h"
#include "state/Module1.h"

namespace builder {
namespace {

using Generator = void (*)(BuildContext&, const SymbolLine&);

struct KindTest {
  std::string_view keyword;
  Generator generate;
  unsigned fieldsUsed;  // the NumberFields its vertices are computed from
};

template <OutlineKind kind>
void Outline(BuildContext& context, const SymbolLine& line) {
  GenerateOutline(kind, context, line);
}

constexpr unsigned kCentreFields = kLatitudeField | kLongitudeField;
constexpr unsigned kSizedFields = kCentreFields | kSizeField;
constexpr unsigned kTurnedFields = kSizedFields | kBearingField;

// Every test runs for every line, in this order. Only the arrow and the label are turned by the
// bearing; the dot has no size.
constexpr std::array<KindTest, 8> kKindTests{{
    {"circle", GenerateCircle, kSizedFields},
    {"square", Outline<OutlineKind::Square>, kSizedFields},
    {"triangle", Outline<OutlineKind::Triangle>, kSizedFields},
    {"plus", Outline<OutlineKind::Plus>, kSizedFields},
    {"cross", Outline<OutlineKind::Cross>, kSizedFields},
    {"dot", Outline<OutlineKind::Dot>, kCentreFields},
    {"arrow", Outline<OutlineKind::Arrow>, kTurnedFields},
    {"URN", GenerateNumericLabel, kTurnedFields},
}};

// A vertex that overflowed is blamed on the first field it was computed from whose text lies
// beyond a double's range; where there is none, finite values overflowed on the way.
void GenerateBlamingFields(const KindTest& test, BuildContext& context, const SymbolLine& line) {
  try {
    test.generate(context, line);
  } catch (const UnusableNumberException& error) {
    if (error.Why() != UnusableNumberException::Cause::VertexOverflow) throw;
    for (const FieldBeyondRange& field : line.fieldsBeyondRange)
      if ((test.fieldsUsed & field.field) != 0) throw UnusableNumberException::BeyondRange(field.name, field.text);
    throw;
  }
}

// Returns whether the line's kind matched a keyword, so that it wrote a symbol.
bool BuildParameterLine(BuildHost& host, BuildContext& context, Int32 index) {
  const SymbolLine line =
      ReadParameterLine(framework::NotNil(Module1::gSymbolParameters, "gSymbolParameters")(index), context);
  host.ShowLine({context.fields(0), line.splitRemainder, context.digits(1), context.digits(2), line.halfSize});
  bool matched = false;
  for (const auto& test : kKindTests) {
    if (framework::StringEquals(line.symbolKind, test.keyword)) {
      AppendWholeSymbol([&] { GenerateBlamingFields(test, context, line); });
      matched = true;
    }
  }
  return matched;
}

}  // namespace

void RunBuild(BuildHost& host) {
  BuildContext context;
  host.LoadNumbers();

  Int32 symbolsWritten = 0;
  for (Int32 index = 2; index <= Module1::total; ++index) {
    framework::LoopYield();
    // The index is the line's number in the parameter file, whose first line is never built.
    if (framework::AtInputLine(
            "parameter", index, [&] { return BuildParameterLine(host, context, index); },
            [&](const framework::RuntimeException& error) { return ParameterLineFault(context, index, error); }))
      symbolsWritten += 1;
  }
  host.BuildDone(symbolsWritten);
}

}  // namespace builder
