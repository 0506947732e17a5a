#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Runtime.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

const std::string kIndexPast =
    "An exception of class OutOfBoundsException was not handled: index 5001 is outside the bounds 0 to 5000";
const std::string kGeneric = "The action stopped before it finished; what it did before that is kept.";

// The sentences in the order the layers give them, the innermost first.
[[noreturn]] void ThrowExplained(const std::vector<std::string>& sentences) {
  framework::OutOfBoundsException error(5001, 5000);
  for (const auto& sentence : sentences) error.Explain(sentence);
  throw error;
}

TEST(ExceptionReportTest, AnExceptionThatLeavesAHandlerIsAWarningLedByItsSentenceOverItsClassAndWhatHappened) {
  const struct {
    const char* name;
    std::function<void()> handler;
    std::string sentence;  // its start
    std::string details;
  } cases[] = {
      {"explained twice",
       [] {
         ThrowExplained({"Line 3 is short.", "The build stopped."});
       },
       "Line 3 is short.", kIndexPast},
      {"explained with nothing", [] { ThrowExplained({""}); }, kGeneric, kIndexPast},
      {"explained with nothing, then by an outer layer",
       [] {
         ThrowExplained({"", "The build stopped."});
       },
       "The build stopped.", kIndexPast},
      {"not explained", [] { throw framework::OutOfBoundsException(5001, 5000); }, kGeneric, kIndexPast},
      {"not the framework's", [] { throw std::length_error("line too long"); }, kGeneric,
       "An exception of class std::length_error was not handled: line too long"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    framework::ScriptedBackend backend;
    testing::internal::CaptureStderr();
    framework::DispatchEvent(c.handler);
    framework::DispatchEvent([] {});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.details + "\n");
    ASSERT_EQ(backend.reports.size(), 1U);
    EXPECT_TRUE(backend.reports[0].sentence.starts_with(c.sentence)) << backend.reports[0].sentence;
    EXPECT_EQ(backend.reports[0].details, c.details);
    EXPECT_TRUE(backend.messages.empty());
  }
}

TEST(ExceptionReportTest, TheInnermostLineAndSentenceStayAndAnOuterLayerSpeaksOnlyWhereNoInnerOneDid) {
  const struct {
    std::string inner;
    std::string kept;
  } cases[] = {{"Digit line 3 is short.", "Digit line 3 is short."}, {"", "The records are full."}};
  for (const auto& c : cases) {
    int outerAsked = 0;
    try {
      framework::AtInputLine(
          "parameter", 15,
          [&] {
            framework::AtInputLine(
                "digit table", 3, [] { throw framework::OutOfBoundsException(2, 1); },
                [&](const framework::RuntimeException&) { return c.inner; });
          },
          [&](const framework::RuntimeException&) { return ++outerAsked, std::string("The records are full."); });
      ADD_FAILURE() << "nothing was raised";
    } catch (const framework::OutOfBoundsException& error) {
      EXPECT_EQ(error.Explanation(), c.kept);
      EXPECT_EQ(outerAsked, c.inner.empty() ? 1 : 0);
      EXPECT_STREQ(error.what(), "index 2 is outside the bounds 0 to 1 (digit table line 3)");
    }
  }
}

}  // namespace
