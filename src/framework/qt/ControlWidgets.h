#pragma once

#include <QWidget>

#include "framework/Control.h"

namespace framework::qt {

// The widget that shows the control inside the content area, wired to raise its events; Nil
// for a class of control that has no widget.
QWidget* CreateControlWidget(Control& control, QWidget* content);
// Shows the control's current properties.
void ApplyControl(const Control& control, QWidget& widget);

}  // namespace framework::qt
