#include "framework/Exceptions.h"

#include <cstring>
#include <utility>

namespace framework {

RuntimeException::RuntimeException(String message) : message_(std::move(message)) {}
String RuntimeException::ClassName() const { return "RuntimeException"; }

void RuntimeException::NameInputLine(std::string_view input, Int32 line) {
  if (lineNamed_) return;
  lineNamed_ = true;
  message_ += " (" + String(input) + " line " + std::to_string(line) + ")";
}

void RuntimeException::Explain(String sentence) {
  if (explanation_.empty()) explanation_ = std::move(sentence);
}

OutOfBoundsException::OutOfBoundsException(Int32 index, Int32 upperBound)
    : RuntimeException(upperBound < 0 ? "index " + std::to_string(index) + " is outside the empty array"
                                      : "index " + std::to_string(index) + " is outside the bounds 0 to " +
                                            std::to_string(upperBound)),
      index_(index),
      upperBound_(upperBound) {}
String OutOfBoundsException::ClassName() const { return "OutOfBoundsException"; }

String NilObjectException::ClassName() const { return "NilObjectException"; }

IOException::IOException(Int32 errorNumber, String message, String reason)
    : RuntimeException(std::move(message)),
      errorNumber_(errorNumber),
      reason_(reason.empty() ? String(std::strerror(errorNumber)) : std::move(reason)) {}
String IOException::ClassName() const { return "IOException"; }

String IllegalCastException::ClassName() const { return "IllegalCastException"; }

String ThreadAccessingUIException::ClassName() const { return "ThreadAccessingUIException"; }

}  // namespace framework
