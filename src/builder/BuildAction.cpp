#include "builder/BuildAction.h"

#include <array>
#include <string_view>

#include "builder/BuildFaults.h"
#include "builder/KindGenerators.h"
#include "builder/ParameterLine.h"
#include "builder/SymbolRecords.h"
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
};

template <OutlineKind kind>
void Outline(BuildContext& context, const SymbolLine& line) {
  GenerateOutline(kind, context, line);
}

// Every test runs for every line, in this order.
constexpr std::array<KindTest, 8> kKindTests{{
    {"circle", GenerateCircle},
    {"square", Outline<OutlineKind::Square>},
    {"triangle", Outline<OutlineKind::Triangle>},
    {"plus", Outline<OutlineKind::Plus>},
    {"cross", Outline<OutlineKind::Cross>},
    {"dot", Outline<OutlineKind::Dot>},
    {"arrow", Outline<OutlineKind::Arrow>},
    {"URN", GenerateNumericLabel},
}};

// Returns whether the line's kind matched a keyword, so that it wrote a symbol.
bool BuildParameterLine(BuildHost& host, BuildContext& context, Int32 index) {
  const SymbolLine line =
      ReadParameterLine(framework::NotNil(Module1::gSymbolParameters, "gSymbolParameters")(index), context);
  host.ShowLine({context.fields(0), line.splitRemainder, context.digits(1), context.digits(2), line.halfSize});
  bool matched = false;
  for (const auto& test : kKindTests) {
    if (framework::StringEquals(line.symbolKind, test.keyword)) {
      AppendWholeSymbol([&] { test.generate(context, line); });
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
