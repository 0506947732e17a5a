#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "framework/Events.h"
#include "framework/FileDialogs.h"
#include "framework/Lifecycle.h"
#include "framework/Runtime.h"
#include "framework/qt/QtBackend.h"
#include "support/QtPerson.h"

namespace {

int argumentCount = 1;
char programName[] = "framework_qt_tests";
char* arguments[] = {programName, nullptr};

struct Target {
  int presses = 0;
  void Fails(framework::PushButton& /*button*/) {
    ++presses;
    framework::OutOfBoundsException error(501, 500);
    error.Explain("Line 501 was not read.");
    throw error;
  }
};

// Queues a left click on the widget as the platform queues a person's click: handled the next
// time the event loop takes user input.
void QueuePlatformClick(const QWidget& widget) {
  QWindow* window = widget.window()->windowHandle();
  const QPointF local = widget.mapTo(widget.window(), widget.rect().center());
  const QPointF global = widget.mapToGlobal(widget.rect().center());
  using Queued = QWindowSystemInterface::AsynchronousDelivery;
  QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::LeftButton, Qt::LeftButton,
                                                   QEvent::MouseButtonPress);
  QWindowSystemInterface::handleMouseEvent<Queued>(window, local, global, Qt::NoButton, Qt::LeftButton,
                                                   QEvent::MouseButtonRelease);
}

// A long action, as a build is: the person clicks again while its loop yields.
struct YieldingAction {
  QPushButton* shownButton = nullptr;
  int runs = 0;
  int running = 0;
  int deepestNesting = 0;
  void Run(framework::PushButton& /*button*/) {
    deepestNesting = std::max(deepestNesting, ++running);
    if (++runs == 1) QueuePlatformClick(*shownButton);
    // Past the yield's interval, so that this yield does process.
    std::this_thread::sleep_for(std::chrono::milliseconds(70));
    framework::LoopYield();
    --running;
  }
};

struct QtBackendTest : testing::Test {
  framework::QtBackend backend{argumentCount, arguments};
  std::shared_ptr<framework::Window> window = std::make_shared<framework::Window>();
  std::shared_ptr<framework::PushButton> button = std::make_shared<framework::PushButton>();
  std::shared_ptr<framework::Label> label = std::make_shared<framework::Label>();

  void SetUp() override {
    framework::RuntimeInit();
    window->AddControl("Button", button);
    window->AddControl("Label", label);
    button->SetCaption("Save & go");
    label->SetProperty("Top", framework::Int32{40});
    window->SetProperty("Title", std::string("Plot"));
    window->SetProperty("Visible", true);
  }
  void TearDown() override { framework::RuntimeExit(); }

  QMainWindow& Shown() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* main = qobject_cast<QMainWindow*>(widget); main && main->windowTitle() == "Plot") return *main;
    }
    throw std::runtime_error("the window is not shown");
  }
};

TEST_F(QtBackendTest, ControlsShowTheirTextsAsTheyStandAndFollowTheirChanges) {
  QMainWindow& shown = Shown();
  auto* shownButton = shown.centralWidget()->findChild<QPushButton*>();
  auto* shownLabel = shown.centralWidget()->findChild<QLabel*>();
  ASSERT_TRUE(shownButton && shownLabel);
  EXPECT_EQ(shownButton->text(), "Save && go");
  label->SetText("<b>12</b>");
  EXPECT_EQ(shownLabel->text(), "<b>12</b>");
  EXPECT_EQ(shownLabel->textFormat(), Qt::PlainText);
  EXPECT_EQ(shownLabel->geometry(), QRect(0, 40, 80, 20));
  label->SetProperty("TextAlign", framework::Int32{3});
  label->SetProperty("TextColor", framework::Color{0xC0, 0x10, 0x20});
  label->SetProperty("Visible", false);
  EXPECT_EQ(shownLabel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(shownLabel->palette().color(QPalette::WindowText), QColor(0xC0, 0x10, 0x20));
  EXPECT_TRUE(shownLabel->isHidden());
}

// A box as shown: its icon, its text and its details.
struct ShownBox {
  QMessageBox::Icon icon;
  std::string text;
  std::string details;
  bool operator==(const ShownBox&) const = default;
};

ShownBox CloseBox(QWidget& modal) {
  auto* box = qobject_cast<QMessageBox*>(&modal);
  ShownBox shown{box ? box->icon() : QMessageBox::NoIcon, box ? box->text().toStdString() : "not a message box",
                 box ? box->detailedText().toStdString() : ""};
  modal.close();
  return shown;
}

TEST_F(QtBackendTest, AnExceptionThatLeavesAHandlerIsAWarningWrittenToStandardErrorAndTheProgramGoesOn) {
  auto target = std::make_shared<Target>();
  framework::RuntimeAddEventHandler(*button, framework::PushButton::kActionEvent,
                                    framework::EventStubFor<framework::PushButton::kActionEvent>,
                                    framework::RuntimeCreateDelegate(&Target::Fails, target));
  auto* shownButton = Shown().centralWidget()->findChild<QPushButton*>();
  const std::string report =
      "An exception of class OutOfBoundsException was not handled: index 501 is outside the bounds 0 to 500";
  std::vector<ShownBox> boxes;
  testing::internal::CaptureStderr();
  for (int press = 0; press < 2; ++press) {
    WhenModal([&](QWidget& modal) { boxes.push_back(CloseBox(modal)); });
    QTest::mouseClick(shownButton, Qt::LeftButton);
  }
  // The toolkit may write warnings of its own in between.
  const std::string written = testing::internal::GetCapturedStderr();
  const auto first = written.find(report + "\n");
  ASSERT_NE(first, std::string::npos) << written;
  EXPECT_NE(written.find(report + "\n", first + report.size()), std::string::npos) << written;
  const ShownBox warning{QMessageBox::Warning, "Line 501 was not read.", report};
  EXPECT_EQ(boxes, (std::vector<ShownBox>{warning, warning}));
  EXPECT_EQ(target->presses, 2);

  // A message stays a plain box.
  WhenModal([&](QWidget& modal) { boxes.push_back(CloseBox(modal)); });
  framework::MsgBox("Done");
  EXPECT_EQ(boxes.back(), (ShownBox{QMessageBox::NoIcon, "Done", ""}));
}

TEST_F(QtBackendTest, AClickDuringAnActionsLoopRunsItsHandlerOnlyAfterTheActionReturned) {
  auto action = std::make_shared<YieldingAction>();
  action->shownButton = Shown().centralWidget()->findChild<QPushButton*>();
  ASSERT_NE(action->shownButton, nullptr);
  framework::RuntimeAddEventHandler(*button, framework::PushButton::kActionEvent,
                                    framework::EventStubFor<framework::PushButton::kActionEvent>,
                                    framework::RuntimeCreateDelegate(&YieldingAction::Run, action));
  QTest::mouseClick(action->shownButton, Qt::LeftButton);
  EXPECT_EQ(action->runs, 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return action->runs == 2; }, 5000));
  EXPECT_EQ(action->deepestNesting, 1);
}

TEST_F(QtBackendTest, TheFileDialogsGiveTheChosenFileOrNilWhenCancelled) {
  const std::filesystem::path chosen = std::filesystem::temp_directory_path() / "plotter-dialog-ch\xC3\xB6sen.dat";
  std::filesystem::remove(chosen);
  WhenModal([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(QString::fromStdString(chosen.string()));
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const auto saved = framework::SaveAsDialog().ShowModal();
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->Path(), chosen);

  WhenModal([](QWidget& modal) { modal.close(); });
  EXPECT_EQ(framework::OpenDialog().ShowModal(), nullptr);
}

TEST_F(QtBackendTest, ClosingTheWindowQuitsWithCodeZero) {
  QuitWatchdog watchdog;
  QTimer::singleShot(0, [&] { Shown().close(); });
  framework::RuntimeRun();
  EXPECT_EQ(framework::RuntimeExit(), 0);
}

}  // namespace
