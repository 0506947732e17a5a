#pragma once

#include <exception>

#include "framework/Backend.h"
#include "framework/Types.h"

namespace framework {

// The backend is not owned; whoever installs it keeps it alive while it is installed.
void SetBackend(Backend* backend);
// Raises NilObjectException when no backend is installed.
Backend& CurrentBackend();

// The thread that calls this becomes the one allowed to touch the user interface.
void MarkMainThread();
// Raises ThreadAccessingUIException on any other thread.
void CheckMainThread();

void MsgBox(const String& text);

// One line naming the exception's class and what happened.
String ExceptionReport(const std::exception& error);

// What a person is told first: the sentence a layer explained the exception with, or the
// framework's own when none did.
String ExceptionSentence(const std::exception& error);

// How an exception that leaves an event handler ends: a warning box that leads with its sentence
// and holds its one line as the details, and that line on standard error. The program goes on.
void ReportException(const std::exception& error);

// Runs an event handler; any exception that leaves it is reported, never swallowed.
template <typename Handler>
void DispatchEvent(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportException(error);
  }
}

// Called once per pass of every program loop: a clock check, and at most every 50 ms a chance
// for the toolkit to repaint.
void LoopYield();

}  // namespace framework
