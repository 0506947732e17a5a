#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "builder/ParameterLine.h"
#include "builder/SymbolLine.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"

namespace builder {

// Stores the lines from index 1 by the append rule, the count starting from 0.
inline void StoreLines(const std::shared_ptr<framework::StringArray>& array, Int32& count,
                       const std::vector<std::string>& lines) {
  count = 0;
  for (const auto& line : lines) Module1::Append(array, count, [&] { return line; });
}

// Fresh program state for every test, and the output read back as plain texts.
class BuilderTest : public testing::Test {
 protected:
  BuilderTest() { Module1::Initialize(); }
  ~BuilderTest() override { Module1::Finalize(); }

  // The line's values, made by the driver's own parser.
  SymbolLine Line(const std::string& parameterLine) { return ReadParameterLine(parameterLine, context); }

  static std::vector<std::string> Records() {
    std::vector<std::string> records;
    for (Int32 k = 1; k <= Module1::ginc; ++k) records.push_back((*Module1::gStringArray)(k));
    return records;
  }

  // The vertex records of the one symbol written, without their line feeds.
  static std::vector<std::string> Vertices() {
    const auto records = Records();
    std::vector<std::string> vertices;
    for (std::size_t k = 2; k + 1 < records.size(); ++k) vertices.push_back(records[k].substr(0, records[k].size() - 1));
    return vertices;
  }

  static void LoadDigitTable(const std::vector<std::string>& lines) {
    StoreLines(Module1::gNumbers, Module1::gNumTotal, lines);
  }

  framework::ScriptedBackend backend;
  BuildContext context;
};

}  // namespace builder
