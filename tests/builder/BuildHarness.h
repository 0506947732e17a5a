#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "builder/BuildAction.h"
#include "state/Module1.h"

namespace builder {
inline void PrintTo(const LineShown& line, std::ostream* out) {
  *out << "{" << line.symbolNumber << ", " << line.splitRemainder << ", " << line.firstDigit << ", " << line.secondDigit
       << ", " << line.halfSize << "}";
}
}  // namespace builder

// Stands in for the window: its digit table comes from the test; what the build tells is recorded.
class RecordingHost : public builder::BuildHost {
 public:
  void LoadNumbers() override {
    Module1::gNumTotal = 0;
    for (const auto& line : digitTable) Module1::Append(Module1::gNumbers, Module1::gNumTotal, [&] { return line; });
  }
  void ShowLine(const builder::LineShown& line) override { lastLine = line; }
  void BuildDone(framework::Int32 symbolsWritten) override { buildsDone.push_back(symbolsWritten); }

  std::vector<std::string> digitTable;
  builder::LineShown lastLine;
  std::vector<framework::Int32> buildsDone;  // each the count of symbols written
};

// Fresh program state for every test; no user interface is needed.
class BuildTest : public testing::Test {
 protected:
  void SetUp() override { Module1::Initialize(); }
  void TearDown() override { Module1::Finalize(); }

  // The first line of a parameter file is never built, so a heading goes in front.
  static void HoldParameterLines(const std::vector<std::string>& lines) {
    Module1::total = 0;
    Module1::Append(Module1::gSymbolParameters, Module1::total, [] { return std::string("heading"); });
    for (const auto& line : lines) Module1::Append(Module1::gSymbolParameters, Module1::total, [&] { return line; });
  }

  std::vector<std::string> Records() const {
    std::vector<std::string> records;
    for (framework::Int32 index = 1; index <= Module1::ginc; ++index)
      records.push_back((*Module1::gStringArray)(index));
    return records;
  }

  RecordingHost host;
};
