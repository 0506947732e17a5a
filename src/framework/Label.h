#pragma once

#include "framework/Control.h"

namespace framework {

class Label : public Control {
 public:
  Label();
  String ClassName() const override { return "Label"; }
  const String& Text() const { return TextProperty("Text"); }
  void SetText(String text) { SetProperty("Text", std::move(text)); }
};

}  // namespace framework
