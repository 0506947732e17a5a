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
  EXPECT_EQ(backend.pendingWorkPasses, 1) << "passes within the interval";
  std::this_thread::sleep_for(milliseconds(60));
  framework::LoopYield();
  EXPECT_EQ(backend.pendingWorkPasses, 2) << "the first pass after the interval";
}

}  // namespace
