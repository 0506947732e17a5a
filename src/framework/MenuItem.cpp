#include "framework/MenuItem.h"

#include "framework/Lifecycle.h"
#include "framework/Runtime.h"

namespace framework {

void MenuItem::Append(std::shared_ptr<MenuItem> child) {
  CheckMainThread();
  children_.push_back(std::move(child));
  Changed();
}

std::shared_ptr<MenuItem> MenuItem::Child(const String& name) const {
  for (const auto& child : Children()) {
    if (child->Name() == name) return child;
  }
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const String& name) const {
  for (const auto& child : Children()) {
    if (child->Name() == name) return child;
    if (auto found = child->Lookup(name)) return found;
  }
  return nullptr;
}

void MenuItem::Changed() { CurrentBackend().MenuChanged(*this); }

void QuitMenuItem::Action() { QuitMenuAction(); }

}  // namespace framework
