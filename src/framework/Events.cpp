#include "framework/Events.h"

#include "framework/Runtime.h"

namespace framework {

void RaiseEvent(Control& control, Int32 eventIndex) {
  CheckMainThread();
  const EventStub stub = control.StubFor(eventIndex);
  if (stub == nullptr) return;
  // The control stays alive for the whole handler, whatever the handler does.
  const std::shared_ptr<Control> held = control.shared_from_this();
  DispatchEvent([&] { stub(*held); });
}

void RaiseMenuAction(MenuItem& item) {
  CheckMainThread();
  const std::shared_ptr<MenuItem> held = item.shared_from_this();
  DispatchEvent([&] { held->Action(); });
}

}  // namespace framework
