#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

TEST(ExceptionReportTest, AnExceptionThatLeavesAHandlerIsShownWithItsClass) {
  framework::ScriptedBackend backend;
  framework::DispatchEvent([] { throw framework::OutOfBoundsException(5001, 5000); });
  framework::DispatchEvent([] { throw std::length_error("line too long"); });
  framework::DispatchEvent([] {});
  EXPECT_EQ(
      backend.messages,
      (std::vector<std::string>{
          "An exception of class OutOfBoundsException was not handled: index 5001 is outside the bounds 0 to 5000",
          "An exception of class std::length_error was not handled: line too long"}));
}

}  // namespace
