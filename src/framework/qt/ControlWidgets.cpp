#include "framework/qt/ControlWidgets.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "framework/Events.h"
#include "framework/Runtime.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/qt/QtText.h"

namespace framework::qt {

QWidget* CreateControlWidget(Control& control, QWidget* content) {
  if (auto* button = dynamic_cast<PushButton*>(&control)) {
    auto* widget = new QPushButton(content);
    QObject::connect(widget, &QPushButton::clicked, widget, [model = button->weak_from_this()] {
      if (const auto held = model.lock()) DispatchEvent([&] { RaiseEvent(*held, PushButton::kActionEvent); });
    });
    return widget;
  }
  if (dynamic_cast<Label*>(&control) != nullptr) {
    auto* widget = new QLabel(content);
    // A label shows its text as it stands, even one read from a file that looks like markup.
    widget->setTextFormat(Qt::PlainText);
    return widget;
  }
  return nullptr;
}

void ApplyControl(const Control& control, QWidget& widget) {
  widget.setGeometry(control.Left(), control.Top(), control.Width(), control.Height());
  widget.setEnabled(control.BooleanProperty("Enabled"));
  widget.setToolTip(ToQString(control.TextProperty("HelpTag")));
  QFont font = QApplication::font(&widget);
  // "System" is the platform's own user-interface font.
  if (const String& family = control.TextProperty("TextFont"); !family.empty() && family != "System")
    font.setFamily(ToQString(family));
  font.setBold(control.BooleanProperty("Bold"));
  font.setItalic(control.BooleanProperty("Italic"));
  font.setUnderline(control.BooleanProperty("Underline"));
  widget.setFont(font);
  if (const auto* button = dynamic_cast<const PushButton*>(&control)) {
    static_cast<QPushButton&>(widget).setText(CaptionText(button->Caption()));
  } else if (const auto* label = dynamic_cast<const Label*>(&control)) {
    static_cast<QLabel&>(widget).setText(ToQString(label->Text()));
  }
  widget.setVisible(control.BooleanProperty("Visible"));
}

}  // namespace framework::qt
