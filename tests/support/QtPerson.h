#pragma once

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <functional>

// What a person does to the real window in tests: act on the modal widget once the code under
// test opens one, and find widgets by their text.

inline void WhenModal(std::function<void(QWidget&)> person) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, person = std::move(person)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      person(*modal);
    }
  });
  poll->start(10);
}

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
