#include "framework/MenuItem.h"

#include <utility>

#include "framework/Lifecycle.h"
#include "framework/Runtime.h"

namespace framework {

const String& MenuItem::Name() const {
  CheckMainThread();
  return name_;
}

void MenuItem::SetName(String name) {
  CheckMainThread();
  name_ = std::move(name);
  Changed();
}

const String& MenuItem::Text() const {
  CheckMainThread();
  return text_;
}

void MenuItem::SetText(String text) {
  CheckMainThread();
  text_ = std::move(text);
  Changed();
}

bool MenuItem::AutoEnable() const {
  CheckMainThread();
  return autoEnable_;
}

void MenuItem::SetAutoEnable(bool autoEnable) {
  CheckMainThread();
  autoEnable_ = autoEnable;
  Changed();
}

bool MenuItem::Visible() const {
  CheckMainThread();
  return visible_;
}

void MenuItem::SetVisible(bool visible) {
  CheckMainThread();
  visible_ = visible;
  Changed();
}

const std::optional<String>& MenuItem::KeyboardShortcut() const {
  CheckMainThread();
  return keyboardShortcut_;
}

void MenuItem::SetKeyboardShortcut(String shortcut) {
  CheckMainThread();
  keyboardShortcut_ = std::move(shortcut);
  Changed();
}

void MenuItem::Append(std::shared_ptr<MenuItem> child) {
  CheckMainThread();
  children_.push_back(std::move(child));
  Changed();
}

const std::vector<std::shared_ptr<MenuItem>>& MenuItem::Children() const {
  CheckMainThread();
  return children_;
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
