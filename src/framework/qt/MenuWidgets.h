#pragma once

#include <QMenuBar>

#include "framework/MenuItem.h"

namespace framework::qt {

// A menu bar showing the tree under the bar (none for Nil), each item wired to its action.
QMenuBar* CreateMenuBarWidget(MenuBar* bar);

}  // namespace framework::qt
