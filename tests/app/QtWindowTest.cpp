#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/QtProgramHarness.h"

namespace {

using QtWindowTest = QtProgramTest;

struct Design {
  const char* text;
  QRect geometry;
};

TEST_F(QtWindowTest, TheWindowShowsItsTitleContentSizeButtonsAndLabelsAtTheirDesignPlaces) {
  const int exitCode = RunWith([](QMainWindow& window) {
    EXPECT_EQ(window.windowTitle(), "Kestrovan Plotter");
    EXPECT_EQ(window.centralWidget()->size(), QSize(305, 170));
    EXPECT_EQ(window.centralWidget()->y(), window.menuBar()->height());
    const std::vector<Design> buttons{
        {"1. Open Symbol Parameter File", QRect(33, 28, 209, 20)},
        {"2. Build Symbols", QRect(33, 60, 126, 20)},
        {"3. Save Kestrovan Symbol File (.dat)", QRect(33, 92, 242, 20)},
        {"4. Quit", QRect(33, 124, 60, 20)},
    };
    for (const Design& design : buttons) {
      const QPushButton* button = WidgetWithText<QPushButton>(window, design.text);
      ASSERT_NE(button, nullptr) << design.text;
      EXPECT_EQ(button->geometry(), design.geometry) << design.text;
      EXPECT_TRUE(button->isVisible() && button->isEnabled()) << design.text;
    }
    const std::vector<Design> labels{
        {"GNumTotal", QRect(14, 183, 100, 20)},     {"SymID", QRect(107, 183, 65, 20)},
        {"NumLabel", QRect(175, 183, 100, 20)},     {"First Digit", QRect(254, 183, 100, 20)},
        {"Second Digit", QRect(335, 183, 100, 20)}, {"Scale", QRect(14, 215, 100, 20)},
    };
    for (const Design& design : labels) {
      const QLabel* label = WidgetWithText<QLabel>(window, design.text);
      ASSERT_NE(label, nullptr) << design.text;
      EXPECT_EQ(label->geometry(), design.geometry) << design.text;
      EXPECT_EQ(label->textFormat(), Qt::PlainText) << design.text;
    }
    QTest::mouseClick(WidgetWithText<QPushButton>(window, "4. Quit"), Qt::LeftButton);
  });
  EXPECT_EQ(exitCode, 0);
}

TEST_F(QtWindowTest, TheWindowResizesBetweenItsLimitsAndShowsEveryLabelWhenEnlarged) {
  EXPECT_EQ(RunWith([](QMainWindow& window) {
              const int barHeight = window.menuBar()->height();
              window.resize(435, 235 + barHeight);
              QTest::qWait(0);
              const QRect content = window.centralWidget()->rect();
              for (const QLabel* label : window.centralWidget()->findChildren<QLabel*>()) {
                EXPECT_TRUE(content.contains(label->geometry())) << label->text().toStdString();
              }
              EXPECT_EQ(window.centralWidget()->minimumSize(), QSize(64, 64));
              EXPECT_EQ(window.centralWidget()->maximumSize(), QSize(32000, 32000));
              window.close();
            }),
            0);
}

struct ExpectedAction {
  QString text;
  QString shortcut;
  bool enabled;
};

std::vector<ExpectedAction> ActionsOf(const QMenu& menu) {
  std::vector<ExpectedAction> actions;
  for (const QAction* action : menu.actions()) {
    actions.push_back(
        {action->isSeparator() ? "-" : action->text(), action->shortcut().toString(), action->isEnabled()});
  }
  return actions;
}

bool operator==(const ExpectedAction& left, const ExpectedAction& right) {
  return left.text == right.text && left.shortcut == right.shortcut && left.enabled == right.enabled;
}

void PrintTo(const ExpectedAction& action, std::ostream* out) {
  *out << action.text.toStdString() << " [" << action.shortcut.toStdString() << "] " << action.enabled;
}

TEST_F(QtWindowTest, TheMenusShowTheirItemsMnemonicsSeparatorsAndShortcutsAndCtrlQQuits) {
  const int exitCode = RunWith([](QMainWindow& window) {
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    EXPECT_EQ(ActionsOf(*menus[0]->menu()), (std::vector<ExpectedAction>{{"&Quit", "Ctrl+Q", true}}));
    // Nothing in the window can act on the Edit items.
    EXPECT_EQ(ActionsOf(*menus[1]->menu()), (std::vector<ExpectedAction>{
                                                {"&Undo", "Ctrl+Z", false},
                                                {"-", "", true},
                                                {"Cu&t", "Ctrl+X", false},
                                                {"&Copy", "Ctrl+C", false},
                                                {"&Paste", "Ctrl+V", false},
                                                {"&Delete", "", false},
                                                {"-", "", true},
                                                {"Select &All", "Ctrl+A", false},
                                            }));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
  });
  EXPECT_EQ(exitCode, 0);
}

}  // namespace
