#pragma once

#include <string>
#include <vector>

#include "builder/BuildHarness.h"
#include "builder/ParameterLine.h"
#include "builder/SymbolLine.h"

namespace builder {

// Runs one kind generator at a time on a line made by the driver's own parser.
class GeneratorTest : public BuildTest {
 protected:
  SymbolLine Line(const std::string& parameterLine) { return ReadParameterLine(parameterLine, context); }

  void LoadDigitTable(const std::vector<std::string>& lines) {
    host.digitTable = lines;
    host.LoadNumbers();
  }

  // The vertex records of the one symbol written, without their line feeds.
  std::vector<std::string> Vertices() const {
    const auto records = Records();
    std::vector<std::string> vertices;
    for (std::size_t k = 2; k + 1 < records.size(); ++k)
      vertices.push_back(records[k].substr(0, records[k].size() - 1));
    return vertices;
  }

  BuildContext context;
};

}  // namespace builder
