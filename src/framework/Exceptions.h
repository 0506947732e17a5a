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

 private:
  String message_;
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
  IOException(Int32 errorNumber, String message);
  String ClassName() const override;
  Int32 ErrorNumber() const { return errorNumber_; }

 private:
  Int32 errorNumber_;
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

// Runs the body; a RuntimeException that leaves it names that line of that input and goes on
// with its class unchanged.
template <typename Body>
decltype(auto) AtInputLine(std::string_view input, Int32 line, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (RuntimeException& error) {
    error.NameInputLine(input, line);
    throw;
  }
}

}  // namespace framework
