#pragma once

#include <exception>
#include <string_view>
#include <utility>

#include "framework/Types.h"

namespace framework {

// The root of every error the framework raises; ClassName is what a report shows.
class RuntimeException : public std::exception {
 public:
  explicit RuntimeException(String message);
  virtual String ClassName() const;
  const char* what() const noexcept override { return message_.c_str(); }
  // Names the line of the input being worked on, at the end of what(). The first line named
  // stays: the innermost is the most precise.
  void NameInputLine(std::string_view input, Int32 line);
  // The sentence that leads the report to a person: what stopped, where, and what to do, worded
  // by the layer that knew what it was reading. The first one given stays, as the line named
  // does; an empty one gives none.
  void Explain(String sentence);
  const String& Explanation() const { return explanation_; }

 private:
  String message_;
  String explanation_;
  bool lineNamed_ = false;
};

class OutOfBoundsException : public RuntimeException {
 public:
  OutOfBoundsException(Int32 index, Int32 upperBound);
  String ClassName() const override;
  Int32 Index() const { return index_; }
  Int32 UpperBound() const { return upperBound_; }

 private:
  Int32 index_;
  Int32 upperBound_;
};

class NilObjectException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  String ClassName() const override;
};

class IOException : public RuntimeException {
 public:
  // The reason is the system's text for the error number unless the raiser gives its own.
  IOException(Int32 errorNumber, String message, String reason = {});
  String ClassName() const override;
  Int32 ErrorNumber() const { return errorNumber_; }
  // Why the file could not be used, as the system says it, for a report to a person.
  const String& Reason() const { return reason_; }

 private:
  Int32 errorNumber_;
  String reason_;
};

class IllegalCastException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  String ClassName() const override;
};

class ThreadAccessingUIException : public RuntimeException {
 public:
  using RuntimeException::RuntimeException;
  String ClassName() const override;
};

// Runs the body; a RuntimeException that leaves it names that line of that input, takes the
// sentence explain(error) makes of it and of the state the body left unless an inner layer
// explained it, and goes on with its class unchanged.
template <typename Body, typename Explain>
decltype(auto) AtInputLine(std::string_view input, Int32 line, Body&& body, Explain&& explain) {
  try {
    return std::forward<Body>(body)();
  } catch (RuntimeException& error) {
    error.NameInputLine(input, line);
    if (error.Explanation().empty()) error.Explain(std::forward<Explain>(explain)(std::as_const(error)));
    throw;
  }
}

}  // namespace framework
