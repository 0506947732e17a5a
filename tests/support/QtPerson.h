#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <functional>

// What a person does to the real window in tests: act on the modal widget once the code under
// test opens one, and find widgets by their text.

inline void WhenModal(std::function<void(QWidget&)> person) {
  // Held by the application, so that a poll whose modal never came goes with it.
  auto* poll = new QTimer(QCoreApplication::instance());
  QObject::connect(poll, &QTimer::timeout, [poll, person = std::move(person)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      person(*modal);
    }
  });
  poll->start(10);
}

// Ends an event loop whose quit never came, so that a fault fails the test instead of hanging it.
class QuitWatchdog {
 public:
  QuitWatchdog() {
    timer_.setSingleShot(true);
    timer_.setInterval(20000);
    QObject::connect(&timer_, &QTimer::timeout, [] {
      ADD_FAILURE() << "the program did not quit";
      QCoreApplication::exit(0);
    });
    timer_.start();
  }

 private:
  QTimer timer_;
};

inline QMainWindow* TheWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<QMainWindow*>(widget); window && window->isVisible()) return window;
  }
  return nullptr;
}

template <typename Widget>
Widget* WidgetWithText(const QMainWindow& window, const QString& text) {
  for (Widget* widget : window.centralWidget()->findChildren<Widget*>()) {
    if (widget->text() == text) return widget;
  }
  return nullptr;
}
