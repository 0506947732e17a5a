#include <gtest/gtest.h>

#include "framework/Events.h"
#include "framework/scripted/ScriptedBackend.h"

namespace {

using framework::PushButton;

struct Target {
  std::vector<const PushButton*> senders;
  void Pressed(PushButton& button) { senders.push_back(&button); }
  void Fails(PushButton& /*button*/) { throw framework::OutOfBoundsException(5001, 5000); }
};

struct EventsTest : testing::Test {
  framework::ScriptedBackend backend;
  std::shared_ptr<PushButton> button = std::make_shared<PushButton>();
  std::shared_ptr<Target> target = std::make_shared<Target>();

  void Wire(void (Target::*method)(PushButton&)) {
    framework::RuntimeAddEventHandler(*button, PushButton::kActionEvent,
                                      framework::EventStubFor<PushButton::kActionEvent>,
                                      framework::RuntimeCreateDelegate(method, target));
  }
};

TEST_F(EventsTest, ARaisedEventCallsTheMethodOnceWithTheTargetAndTheSender) {
  Wire(&Target::Pressed);
  framework::RaiseEvent(*button, PushButton::kActionEvent);
  ASSERT_EQ(target->senders.size(), 1U);
  EXPECT_EQ(target->senders[0], button.get());
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_TRUE(backend.reports.empty());
}

TEST_F(EventsTest, AnEventWithoutAHandlerDoesNothing) {
  Wire(&Target::Pressed);
  framework::RaiseEvent(*button, PushButton::kActionEvent + 1);
  EXPECT_TRUE(target->senders.empty());
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_TRUE(backend.reports.empty());
}

TEST_F(EventsTest, ALaterRegistrationReplacesTheEarlierOne) {
  Wire(&Target::Fails);
  Wire(&Target::Pressed);
  framework::RaiseEvent(*button, PushButton::kActionEvent);
  EXPECT_EQ(target->senders.size(), 1U);
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_TRUE(backend.reports.empty());
}

TEST_F(EventsTest, AnExceptionThatLeavesTheHandlerIsReportedAndTheProgramGoesOn) {
  Wire(&Target::Fails);
  framework::RaiseEvent(*button, PushButton::kActionEvent);
  framework::RaiseEvent(*button, PushButton::kActionEvent);
  ASSERT_EQ(backend.reports.size(), 2U);
  for (const auto& report : backend.reports)
    EXPECT_EQ(report.details,
              "An exception of class OutOfBoundsException was not handled: index 5001 is outside the bounds 0 to 5000");
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(EventsTest, ATargetThatIsGoneRaisesNilObjectException) {
  Wire(&Target::Pressed);
  target.reset();
  framework::RaiseEvent(*button, PushButton::kActionEvent);
  ASSERT_EQ(backend.reports.size(), 1U);
  EXPECT_NE(backend.reports[0].details.find("NilObjectException"), std::string::npos);
}

TEST_F(EventsTest, ADelegateInvokedWithASenderOfAnotherClassRaisesIllegalCastException) {
  const auto delegate = framework::RuntimeCreateDelegate(&Target::Pressed, target);
  framework::Label label;
  EXPECT_THROW(delegate->Invoke(label), framework::IllegalCastException);
  EXPECT_TRUE(target->senders.empty());
}

}  // namespace
