#include "framework/qt/MenuWidgets.h"

#include <QAction>
#include <QMenu>

#include "framework/Events.h"
#include "framework/Runtime.h"
#include "framework/qt/QtText.h"

namespace framework::qt {
namespace {

void AddItems(QMenu& menu, MenuItem& parent) {
  for (const auto& item : parent.Children()) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) {
      menu.addSeparator();
    } else if (!item->Children().empty()) {
      AddItems(*menu.addMenu(ToQString(item->Text())), *item);
    } else {
      QAction* action = menu.addAction(ToQString(item->Text()));
      if (const auto& shortcut = item->KeyboardShortcut()) action->setShortcut(ShortcutOf(*shortcut));
      // Nothing in the window can act on an item that does not handle its own action.
      action->setEnabled(!item->AutoEnable() || item->HandlesAction());
      QObject::connect(action, &QAction::triggered, action, [model = std::weak_ptr<MenuItem>(item)] {
        if (const auto held = model.lock()) RaiseMenuAction(*held);
      });
    }
  }
}

}  // namespace

QMenuBar* CreateMenuBarWidget(MenuBar* bar) {
  auto* widget = new QMenuBar;
  // The bar belongs to the window, whatever the desktop offers.
  widget->setNativeMenuBar(false);
  if (bar == nullptr) return widget;
  for (const auto& title : bar->Children()) {
    if (title->Visible()) AddItems(*widget->addMenu(ToQString(title->Text())), *title);
  }
  return widget;
}

}  // namespace framework::qt
