#include "framework/Runtime.h"

#include <cxxabi.h>
#include <time.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <thread>
#include <typeinfo>

#include "framework/Exceptions.h"

namespace framework {
namespace {

Backend* installedBackend = nullptr;
std::thread::id mainThread = std::this_thread::get_id();
// The coarse clock costs a few nanoseconds a read, and its millisecond steps are fine enough
// for a 50 ms interval; loops call it once per pass.
std::int64_t CoarseMilliseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1'000'000;
}

std::int64_t lastYield = 0;
constexpr std::int64_t kYieldIntervalMilliseconds = 50;

// The C++ class of an exception that is not the framework's, such as std::bad_alloc.
String CppClassName(const std::exception& error) {
  int status = 0;
  const std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status), std::free);
  return status == 0 && name ? String(name.get()) : String(typeid(error).name());
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
  const std::int64_t now = CoarseMilliseconds();
  if (now - lastYield < kYieldIntervalMilliseconds) return;
  lastYield = now;
  if (installedBackend != nullptr) installedBackend->ProcessPendingWork();
}

}  // namespace framework
