#include "framework/Control.h"

#include "framework/Runtime.h"

namespace framework {

void Control::Changed() {
  CheckMainThread();
  CurrentBackend().ControlChanged(*this);
}

void Label::SetText(String text) {
  CheckMainThread();
  text_ = std::move(text);
  Changed();
}

}  // namespace framework
