#pragma once

#include "framework/Control.h"

namespace framework {

class PushButton : public Control {
 public:
  // The index of Action in a push button's event table.
  static constexpr Int32 kActionEvent = 15;

  PushButton();
  String ClassName() const override { return "PushButton"; }
  const String& Caption() const { return TextProperty("Caption"); }
  void SetCaption(String caption) { SetProperty("Caption", std::move(caption)); }
};

}  // namespace framework
