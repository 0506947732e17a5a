#pragma once

#include <memory>

#include "framework/Types.h"

namespace framework {

// A control of a window: a plain object holding its properties; the backend presents it.
class Control : public std::enable_shared_from_this<Control> {
 public:
  virtual ~Control() = default;
  virtual String ClassName() const = 0;
  const String& Name() const { return name_; }
  void SetName(String name) { name_ = std::move(name); }

 protected:
  // Tells the backend that a property it shows has changed; only on the main thread.
  void Changed();

 private:
  String name_;
};

class Label : public Control {
 public:
  String ClassName() const override { return "Label"; }
  const String& Text() const { return text_; }
  void SetText(String text);

 private:
  String text_;
};

}  // namespace framework
