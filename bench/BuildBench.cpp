#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "builder/BuildAction.h"
#include "state/Module1.h"

namespace {

using framework::Int32;

// The digit table is stored once; each build only counts it in again, as a reload of the same
// file would.
class StoredTableHost : public builder::BuildHost {
 public:
  explicit StoredTableHost(const std::vector<std::string>& table) : lines_(static_cast<Int32>(table.size())) {
    Module1::gNumTotal = 0;
    for (const auto& line : table) Module1::Append(Module1::gNumbers, Module1::gNumTotal, [&] { return line; });
  }
  void LoadNumbers() override { Module1::gNumTotal = lines_; }
  void ShowLine(const builder::LineShown& /*line*/) override {}
  void BuildDone(Int32 /*symbolsWritten*/) override {}

 private:
  Int32 lines_;
};

void StoreParameterFile(const std::vector<std::string>& lines) {
  Module1::total = 0;
  Module1::Append(Module1::gSymbolParameters, Module1::total, [] { return std::string("heading"); });
  for (const auto& line : lines) Module1::Append(Module1::gSymbolParameters, Module1::total, [&] { return line; });
}

void RunBuilds(benchmark::State& state, builder::BuildHost& host, Int32 expectedRecords) {
  for (auto _ : state) {
    Module1::ginc = 0;
    builder::RunBuild(host);
  }
  if (Module1::ginc != expectedRecords) state.SkipWithError("the workload wrote an unexpected number of records");
}

// 12 circles of 364 records and 79 squares of 8 fill the 5000 output records exactly.
void FullOutputOfCirclesAndSquares(benchmark::State& state) {
  Module1::Initialize();
  std::vector<std::string> lines;
  for (int k = 0; k < 12; ++k) lines.push_back(std::to_string(k) + ",Ring,512,30.5,20.25,circle,40,0");
  for (int k = 0; k < 79; ++k) lines.push_back(std::to_string(k) + ",Box,512,-12.5,130.25,square,2,45");
  StoreParameterFile(lines);
  StoredTableHost host({});
  RunBuilds(state, host, 5000);
  Module1::Finalize();
}
BENCHMARK(FullOutputOfCirclesAndSquares)->Unit(benchmark::kMillisecond);

// Every digit position of every label reads the whole table, and no key matches.
void NumericLabelsAgainstAFullTableWithoutMatches(benchmark::State& state) {
  Module1::Initialize();
  std::vector<std::string> table;
  for (int k = 0; k < 500; ++k)
    table.push_back("x" + std::to_string(k % 10) + ",0." + std::to_string(k % 97) + ",0.25,2");
  std::vector<std::string> lines;
  for (int k = 0; k < 499; ++k) lines.push_back(std::to_string(10000 + 179 * k) + ",Label,512,30,20,URN,2,45");
  StoreParameterFile(lines);
  StoredTableHost host(table);
  RunBuilds(state, host, 3 * 499);
  Module1::Finalize();
}
BENCHMARK(NumericLabelsAgainstAFullTableWithoutMatches)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
