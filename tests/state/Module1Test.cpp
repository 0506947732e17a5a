#include <gtest/gtest.h>

#include "state/Module1.h"

namespace {

class Module1Test : public testing::Test {
 protected:
  void SetUp() override { Module1::Initialize(); }
  void TearDown() override { Module1::Finalize(); }
};

TEST_F(Module1Test, StartsWithFullSizeArraysAndZeroCounts) {
  EXPECT_EQ(Module1::gStringArray->UpperBound(), 5000);
  EXPECT_EQ(Module1::gSymbolParameters->UpperBound(), 500);
  EXPECT_EQ(Module1::gNumbers->UpperBound(), 500);
  EXPECT_EQ(Module1::ginc + Module1::total + Module1::gNumTotal, 0);
}

TEST_F(Module1Test, AppendRaisesTheCountFirstAndKeepsItRaisedOnFailure) {
  for (int k = 1; k <= 500; ++k)
    Module1::Append(Module1::gSymbolParameters, Module1::total, [&] { return std::to_string(k); });
  EXPECT_EQ((*Module1::gSymbolParameters)(500), "500");
  EXPECT_EQ((*Module1::gSymbolParameters)(0), "");

  EXPECT_THROW(Module1::Append(Module1::gSymbolParameters, Module1::total, [] { return std::string("501"); }),
               framework::OutOfBoundsException);
  EXPECT_EQ(Module1::total, 501);
  EXPECT_EQ((*Module1::gSymbolParameters)(1), "1");

  // A text that fails to be made still leaves the count raised.
  Module1::total = 0;
  EXPECT_THROW(Module1::Append(Module1::gSymbolParameters, Module1::total,
                               []() -> std::string { throw framework::IOException(5, "read error"); }),
               framework::IOException);
  EXPECT_EQ(Module1::total, 1);
}

TEST_F(Module1Test, FinalizeLeavesEveryArrayNil) {
  Module1::Finalize();
  EXPECT_EQ(Module1::gStringArray, nullptr);
  EXPECT_EQ(Module1::gSymbolParameters, nullptr);
  EXPECT_EQ(Module1::gNumbers, nullptr);
  EXPECT_THROW(Module1::Append(Module1::gStringArray, Module1::ginc, [] { return std::string("x"); }),
               framework::NilObjectException);
}

}  // namespace
