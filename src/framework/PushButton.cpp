#include "framework/PushButton.h"

namespace framework {
namespace {

const PropertySchema& PushButtonSchema() {
  static const PropertySchema schema = Combine(
      RectControlSchema(),
      {{"TabStop", true}, {"Caption", String()}, {"Default", false}, {"Cancel", false}, {"ButtonStyle", Int32{0}}});
  return schema;
}

}  // namespace

PushButton::PushButton() : Control(PushButtonSchema()) {}

}  // namespace framework
