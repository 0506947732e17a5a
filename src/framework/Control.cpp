#include "framework/Control.h"

#include <algorithm>
#include <utility>

#include "framework/Runtime.h"

namespace framework {

const PropertySchema& RectControlSchema() {
  static const PropertySchema schema{
      {"Name", String()},
      {"Index", Int32{0}},
      {"Left", Int32{0}},
      {"Top", Int32{0}},
      {"Width", Int32{80}},
      {"Height", Int32{20}},
      {"LockLeft", true},
      {"LockTop", true},
      {"LockRight", false},
      {"LockBottom", false},
      {"TabPanelIndex", Int32{0}},
      {"TabIndex", Int32{0}},
      {"Enabled", true},
      {"Visible", true},
      {"HelpTag", String()},
      {"AutoDeactivate", true},
      {"TextFont", String("System")},
      {"Bold", false},
      {"Italic", false},
      {"Underline", false},
      {"InitialParent", String()},
  };
  return schema;
}

FontUnits Control::TextUnit() const {
  CheckMainThread();
  return textUnit_;
}

void Control::SetTextUnit(FontUnits unit) {
  CheckMainThread();
  textUnit_ = unit;
  Changed();
}

const Control::EventHandler* Control::HandlerFor(Int32 eventIndex) const {
  CheckMainThread();
  const auto found = std::find_if(handlers_.begin(), handlers_.end(), [eventIndex](const EventHandler& handler) {
    return handler.eventIndex == eventIndex;
  });
  return found == handlers_.end() ? nullptr : &*found;
}

void Control::AddEventHandler(Int32 eventIndex, EventStub stub, std::shared_ptr<Delegate> delegate) {
  CheckMainThread();
  std::erase_if(handlers_, [eventIndex](const EventHandler& handler) { return handler.eventIndex == eventIndex; });
  handlers_.push_back({eventIndex, stub, std::move(delegate)});
}

EventStub Control::StubFor(Int32 eventIndex) const {
  const EventHandler* handler = HandlerFor(eventIndex);
  return handler ? handler->stub : nullptr;
}

std::shared_ptr<Delegate> Control::DelegateFor(Int32 eventIndex) const {
  const EventHandler* handler = HandlerFor(eventIndex);
  return handler ? handler->delegate : nullptr;
}

void Control::Changed() { CurrentBackend().ControlChanged(*this); }

}  // namespace framework
