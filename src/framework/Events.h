#pragma once

#include <memory>

#include "framework/Control.h"
#include "framework/Exceptions.h"
#include "framework/MenuItem.h"
#include "framework/Nil.h"

namespace framework {

// A method bound to its target. The target is held weakly: the window owns its controls, and
// their handlers must not keep the window alive.
class Delegate {
 public:
  virtual ~Delegate() = default;
  // Calls the method with the target and the sender; a target that is gone raises NilObjectException.
  virtual void Invoke(Control& sender) = 0;
};

template <typename Target, typename Sender>
class MethodDelegate : public Delegate {
 public:
  using Method = void (Target::*)(Sender&);
  MethodDelegate(Method method, std::weak_ptr<Target> target) : method_(method), target_(std::move(target)) {}

  void Invoke(Control& sender) override {
    const std::shared_ptr<Target> target = target_.lock();
    Target& receiver = NotNil(target, "the delegate's target");
    auto* typed = dynamic_cast<Sender*>(&sender);
    if (typed == nullptr)
      throw IllegalCastException("the event's sender, a " + sender.ClassName() +
                                 ", is not of the class the handler takes");
    (receiver.*method_)(*typed);
  }

 private:
  Method method_;
  std::weak_ptr<Target> target_;
};

// The sender's class is the method's parameter: the delegate invokes only with a sender of it.
template <typename Target, typename Sender>
std::shared_ptr<Delegate> RuntimeCreateDelegate(void (Target::*method)(Sender&),
                                                const std::shared_ptr<Target>& target) {
  return std::make_shared<MethodDelegate<Target, Sender>>(method, target);
}

inline void RuntimeAddEventHandler(Control& control, Int32 eventIndex, EventStub stub,
                                   std::shared_ptr<Delegate> delegate) {
  control.AddEventHandler(eventIndex, stub, std::move(delegate));
}

template <Int32 eventIndex>
void EventStubFor(Control& sender) {
  const std::shared_ptr<Delegate> delegate = sender.DelegateFor(eventIndex);
  NotNil(delegate, "the event's delegate").Invoke(sender);
}

// Raises the event on the control: its stub runs, if one is registered, and an exception that
// leaves the handler is reported.
void RaiseEvent(Control& control, Int32 eventIndex);

// Chooses the item as its menu would: its action runs, and an exception that leaves it is reported.
void RaiseMenuAction(MenuItem& item);

}  // namespace framework
