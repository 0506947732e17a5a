#pragma once

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "framework/Runtime.h"
#include "framework/Types.h"

namespace framework {

// An item of a menu tree: a plain object holding its properties and its children. "&" in its
// text marks the mnemonic letter; the text "-" makes it a separator.
class MenuItem : public std::enable_shared_from_this<MenuItem> {
 public:
  virtual ~MenuItem() = default;

  const String& Name() const { return Read(name_); }
  void SetName(String name) { Write(name_, std::move(name)); }
  const String& Text() const { return Read(text_); }
  void SetText(String text) { Write(text_, std::move(text)); }
  bool AutoEnable() const { return Read(autoEnable_); }
  void SetAutoEnable(bool autoEnable) { Write(autoEnable_, autoEnable); }
  bool Visible() const { return Read(visible_); }
  void SetVisible(bool visible) { Write(visible_, visible); }
  // Nil until assigned; "Cmd+" and a capital letter, or the empty text for no shortcut.
  const std::optional<String>& KeyboardShortcut() const { return Read(keyboardShortcut_); }
  void SetKeyboardShortcut(String shortcut) { Write(keyboardShortcut_, std::move(shortcut)); }

  bool IsSeparator() const { return Text() == "-"; }
  // Whether choosing the item does something; an auto-enabled item is enabled exactly then.
  virtual bool HandlesAction() const { return false; }
  // What choosing the item does.
  virtual void Action() {}

  // After the existing children; from then on the item holds the child.
  void Append(std::shared_ptr<MenuItem> child);
  const std::vector<std::shared_ptr<MenuItem>>& Children() const { return Read(children_); }
  // The direct child of that name, or Nil.
  std::shared_ptr<MenuItem> Child(const String& name) const;
  // The item of that name anywhere below this one, or Nil.
  std::shared_ptr<MenuItem> Lookup(const String& name) const;

 private:
  // Every access checks that it runs on the main thread; every change is told to whoever
  // presents the tree.
  template <typename Field>
  const Field& Read(const Field& field) const {
    CheckMainThread();
    return field;
  }
  template <typename Field, typename Value>
  void Write(Field& field, Value&& value) {
    CheckMainThread();
    field = std::forward<Value>(value);
    Changed();
  }
  void Changed();

  String name_;
  String text_;
  bool autoEnable_ = false;
  bool visible_ = true;
  std::optional<String> keyboardShortcut_;
  std::vector<std::shared_ptr<MenuItem>> children_;
};

// Quits the application when chosen, with no handler of the program attached.
class QuitMenuItem : public MenuItem {
 public:
  bool HandlesAction() const override { return true; }
  void Action() override;
};

// The root of a menu tree; its children are the menu titles.
class MenuBar : public MenuItem {};

}  // namespace framework
