#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/ParameterLine.h"
#include "builder/SymbolLine.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"

namespace builder {

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
    Module1::gNumTotal = 0;
    for (const auto& line : lines) Module1::Append(Module1::gNumbers, Module1::gNumTotal, [&] { return line; });
  }

  framework::ScriptedBackend backend;
  BuildContext context;
};

}  // namespace builder
