#include <gtest/gtest.h>

#include "framework/Array.h"

namespace {

TEST(ArrayTest, EveryAccessIsTestedAgainstTheBounds) {
  framework::StringArray array(2);
  array.Store(2, "last");
  EXPECT_EQ(array(0), "");
  EXPECT_EQ(array(2), "last");
  EXPECT_THROW(array.Store(3, "x"), framework::OutOfBoundsException);
  EXPECT_THROW(array(-1), framework::OutOfBoundsException);
  try {
    array(3);
    FAIL();
  } catch (const framework::OutOfBoundsException& error) {
    EXPECT_EQ(error.Index(), 3);
    EXPECT_EQ(error.UpperBound(), 2);
    EXPECT_STREQ(error.what(), "index 3 is outside the bounds 0 to 2");
  }
}

TEST(ArrayTest, AnEmptyArrayHasUpperBoundMinusOne) {
  framework::DoubleArray empty(-1);
  EXPECT_EQ(empty.UpperBound(), -1);
  EXPECT_THROW(empty(0), framework::OutOfBoundsException);
  EXPECT_EQ(framework::Int32Array(10)(10), 0);
}

}  // namespace
