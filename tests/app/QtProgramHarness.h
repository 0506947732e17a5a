#pragma once

#include <gtest/gtest.h>

#include <QTimer>
#include <functional>

#include "app/Startup.h"
#include "framework/qt/QtBackend.h"
#include "support/QtPerson.h"

// Runs the whole program on the real toolkit, with a person's part once its window is up.
struct QtProgramTest : testing::Test {
  static inline int argumentCount = 1;
  static inline char programName[] = "app_tests";
  static inline char* arguments[] = {programName, nullptr};

  framework::QtBackend backend{argumentCount, arguments};
  // Ends a run whose quit never came, so that a fault fails the test instead of hanging it.
  QTimer watchdog;

  void SetUp() override {
    watchdog.setSingleShot(true);
    watchdog.setInterval(20000);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
      ADD_FAILURE() << "the program did not quit";
      QCoreApplication::exit(0);
    });
    watchdog.start();
  }

  int RunWith(std::function<void(QMainWindow&)> person) {
    QTimer::singleShot(0, [person = std::move(person)] {
      QMainWindow* window = TheWindow();
      if (window == nullptr) {
        ADD_FAILURE() << "no window";
        QCoreApplication::exit(0);
        return;
      }
      person(*window);
    });
    return app::RunProgram();
  }
};
