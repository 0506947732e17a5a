#include "framework/Runtime.h"

#include <chrono>
#include <iostream>
#include <thread>

#include "framework/Exceptions.h"

namespace framework {
namespace {

Backend* installedBackend = nullptr;
std::thread::id mainThread = std::this_thread::get_id();
std::chrono::steady_clock::time_point lastYield{};
constexpr auto kYieldInterval = std::chrono::milliseconds(50);

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
  return "An exception of class " + (runtime ? runtime->ClassName() : String("RuntimeException")) +
         " was not handled: " + error.what();
}

void ReportException(const std::exception& error) {
  const String text = ExceptionReport(error);
  std::cerr << text << std::endl;
  if (installedBackend != nullptr) installedBackend->ShowMessageBox(text);
}

void LoopYield() {
  const auto now = std::chrono::steady_clock::now();
  if (now - lastYield < kYieldInterval) return;
  lastYield = now;
  if (installedBackend != nullptr) installedBackend->ProcessPendingWork();
}

}  // namespace framework
