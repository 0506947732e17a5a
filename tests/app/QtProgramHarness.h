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
  QuitWatchdog watchdog;

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
