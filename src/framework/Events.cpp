#include "framework/Events.h"

#include "framework/Runtime.h"

namespace framework {

// Off the main thread the caller gets the exception; on it, nothing raised on the way to a
// handler or inside it escapes into the toolkit's event loop.
void RaiseEvent(Control& control, Int32 eventIndex) {
  CheckMainThread();
  DispatchEvent([&] {
    const EventStub stub = control.StubFor(eventIndex);
    if (stub == nullptr) return;
    // The control stays alive for the whole handler, whatever the handler does.
    const std::shared_ptr<Control> held = control.shared_from_this();
    stub(*held);
  });
}

void RaiseMenuAction(MenuItem& item) {
  CheckMainThread();
  DispatchEvent([&] {
    const std::shared_ptr<MenuItem> held = item.shared_from_this();
    held->Action();
  });
}

}  // namespace framework
