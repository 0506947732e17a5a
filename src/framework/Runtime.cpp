#include "framework/Runtime.h"

#include <chrono>
#include <iostream>
#include <thread>
#include <typeinfo>

#if __has_include(<cxxabi.h>)
#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#endif

#include "framework/Exceptions.h"

namespace framework {
namespace {

Backend* installedBackend = nullptr;
std::thread::id mainThread = std::this_thread::get_id();
// At the clock's epoch, so that the first pass of a loop yields.
std::chrono::steady_clock::time_point lastYield{};
constexpr std::chrono::milliseconds kYieldInterval{50};

// The C++ class of an exception that is not the framework's, such as std::bad_alloc. Where the
// compiler offers no demangler, its own name for the type.
String CppClassName(const std::exception& error) {
#if __has_include(<cxxabi.h>)
  int status = 0;
  const std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status), std::free);
  if (status == 0 && name) return String(name.get());
#endif
  return String(typeid(error).name());
}

}  // namespace

void SetBackend(Backend* backend) { installedBackend = backend; }

Backend& CurrentBackend() {
  if (installedBackend == nullptr) throw NilObjectException("no user interface backend is installed");
  return *installedBackend;
}

void MarkMainThread() { mainThread = std::this_thread::get_id(); }

void CheckMainThread() {
  if (std::this_thread::get_id() != mainThread)
    throw ThreadAccessingUIException("a user interface operation was called off the main thread");
}

void MsgBox(const String& text) {
  CheckMainThread();
  CurrentBackend().ShowMessageBox(text);
}

String ExceptionReport(const std::exception& error) {
  const auto* runtime = dynamic_cast<const RuntimeException*>(&error);
  return "An exception of class " + (runtime ? runtime->ClassName() : CppClassName(error)) +
         " was not handled: " + error.what();
}

String ExceptionSentence(const std::exception& error) {
  const auto* runtime = dynamic_cast<const RuntimeException*>(&error);
  if (runtime != nullptr && !runtime->Explanation().empty()) return runtime->Explanation();
  return "The action stopped before it finished; what it did before that is kept. The details say what went wrong.";
}

void ReportException(const std::exception& error) {
  const String details = ExceptionReport(error);
  std::cerr << details << std::endl;
  if (installedBackend != nullptr) installedBackend->ShowReport(ExceptionSentence(error), details);
}

void LoopYield() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastYield < kYieldInterval) return;
  lastYield = now;
  if (installedBackend != nullptr) installedBackend->ProcessPendingWork();
}

}  // namespace framework
