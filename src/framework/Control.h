#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/Properties.h"

namespace framework {

class Control;
class Delegate;

// The unit of a control's text size; 0 is the platform's default.
using FontUnits = std::uint8_t;
// Called with the control whose event occurred; it finds the delegate registered for the event.
using EventStub = void (*)(Control& sender);

// The properties every positioned control has; each class of control adds its own.
const PropertySchema& RectControlSchema();

// A positioned control of a window: a plain object holding its properties and event handlers;
// the backend presents it.
class Control : public PropertyObject, public std::enable_shared_from_this<Control> {
 public:
  virtual String ClassName() const = 0;

  const String& Name() const { return TextProperty("Name"); }
  void SetName(String name) { SetProperty("Name", std::move(name)); }
  Int32 Left() const { return IntegerProperty("Left"); }
  Int32 Top() const { return IntegerProperty("Top"); }
  Int32 Width() const { return IntegerProperty("Width"); }
  Int32 Height() const { return IntegerProperty("Height"); }

  FontUnits TextUnit() const;
  void SetTextUnit(FontUnits unit);

  // A later registration for the same event replaces the earlier one.
  void AddEventHandler(Int32 eventIndex, EventStub stub, std::shared_ptr<Delegate> delegate);
  // Nil when nothing is registered for the event.
  EventStub StubFor(Int32 eventIndex) const;
  std::shared_ptr<Delegate> DelegateFor(Int32 eventIndex) const;

 protected:
  explicit Control(const PropertySchema& schema) : PropertyObject(schema) {}

 private:
  struct EventHandler {
    Int32 eventIndex;
    EventStub stub;
    std::shared_ptr<Delegate> delegate;
  };
  const EventHandler* HandlerFor(Int32 eventIndex) const;
  void Changed() override;

  std::vector<EventHandler> handlers_;
  FontUnits textUnit_ = 0;
};

}  // namespace framework
