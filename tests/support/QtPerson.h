#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <system_error>

// What a person does to the real window in tests: act on the modal widget once the code under
// test opens one, find widgets by their text, press buttons and answer file dialogs.

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

inline void Press(QMainWindow& window, const char* caption) {
  QPushButton* button = WidgetWithText<QPushButton>(window, caption);
  ASSERT_NE(button, nullptr) << caption;
  QTest::mouseClick(button, Qt::LeftButton);
}

// Presses the button whose handler opens a file dialog; empty answers cancel it. The save
// dialog's question before it replaces a file is answered yes. The person, when given, acts on the
// next modal the press opens, as the box that a failed save shows.
inline void PressAndAnswer(QMainWindow& window, const char* caption, const std::filesystem::path& answer,
                           std::function<void(QWidget&)> person = {}) {
  WhenModal([answer, person = std::move(person)](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    if (answer.empty()) {
      dialog->reject();
      return;
    }
    // Typed as a person types it: the dialog resolves a selected path only once it has listed the folder.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(QString::fromStdString(answer.string()));
    std::error_code unknown;
    if (dialog->acceptMode() == QFileDialog::AcceptSave && std::filesystem::exists(answer, unknown)) {
      WhenModal([](QWidget& question) {
        auto* box = qobject_cast<QMessageBox*>(&question);
        QAbstractButton* yes = box != nullptr ? box->button(QMessageBox::Yes) : nullptr;
        ASSERT_NE(yes, nullptr) << "the dialog asks before it replaces the file";
        yes->click();
      });
    }
    QMetaObject::invokeMethod(dialog, "accept");
    // The dialog has closed when accept returns, so the next modal is the press's own.
    if (person) WhenModal(person);
  });
  Press(window, caption);
}
