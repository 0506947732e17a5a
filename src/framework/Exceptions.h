#pragma once

#include <exception>

#include "framework/Types.h"

namespace framework {

// The root of every error the framework raises; ClassName is what a report shows.
class RuntimeException : public std::exception {
 public:
  explicit RuntimeException(String message);
  virtual String ClassName() const;
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  String message_;
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

}  // namespace framework
