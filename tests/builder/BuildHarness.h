#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "builder/BuildAction.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"

// Stands in for the window: its digit table comes from the test, its labels are recorded.
class RecordingHost : public builder::BuildHost {
 public:
  void LoadNumbers() override {
    Module1::gNumTotal = 0;
    for (const auto& line : digitTable) Module1::Append(Module1::gNumbers, Module1::gNumTotal, [&] { return line; });
  }
  void SetLabelText(framework::Int32 labelNumber, const framework::String& text) override { labels[labelNumber] = text; }

  std::vector<std::string> digitTable;
  std::map<int, std::string> labels;
};

// Fresh program state and a scripted user interface for every test.
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
    for (framework::Int32 index = 1; index <= Module1::ginc; ++index) records.push_back((*Module1::gStringArray)(index));
    return records;
  }

  framework::ScriptedBackend backend;
  RecordingHost host;
};
