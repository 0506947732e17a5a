#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "framework/Runtime.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

using std::chrono::milliseconds;

TEST(LoopYieldTest, TheToolkitGetsAPassAtMostEveryFiftyMilliseconds) {
  framework::ScriptedBackend backend;
  // Past the interval of any yield an earlier test made.
  std::this_thread::sleep_for(milliseconds(60));
  framework::LoopYield();
  EXPECT_EQ(backend.pendingWorkPasses, 1) << "the first pass after a pause";
  const auto start = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() - start < milliseconds(20)) framework::LoopYield();
  // A busy machine may hold the thread past the interval; each whole interval allows one more pass.
  const auto intervals = (std::chrono::steady_clock::now() - start) / milliseconds(50);
  EXPECT_LE(backend.pendingWorkPasses, 1 + intervals) << "passes within the interval";
  const int before = backend.pendingWorkPasses;
  std::this_thread::sleep_for(milliseconds(60));
  framework::LoopYield();
  EXPECT_EQ(backend.pendingWorkPasses, before + 1) << "the first pass after the interval";
}

}  // namespace
