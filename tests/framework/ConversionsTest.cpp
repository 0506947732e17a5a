#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/Conversions.h"

namespace {

TEST(ToInt32Test, TruncatesTowardZeroAndSaturates) {
  constexpr auto kMax = std::numeric_limits<framework::Int32>::max();
  constexpr auto kMin = std::numeric_limits<framework::Int32>::min();
  const struct {
    double value;
    framework::Int32 expected;
  } cases[] = {
      {2.9, 2},
      {-2.9, -2},
      {0.5, 0},
      {-0.0, 0},
      {2147483647.0, kMax},
      {2147483647.9, kMax},
      {2147483648.0, kMax},
      {1e300, kMax},
      {std::numeric_limits<double>::infinity(), kMax},
      {-2147483648.0, kMin},
      {-2147483649.0, kMin},
      {-std::numeric_limits<double>::infinity(), kMin},
      {std::nan(""), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(framework::ToInt32(c.value), c.expected) << c.value;
}

}  // namespace
