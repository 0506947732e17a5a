#include "framework/qt/ControlWidgets.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>

#include "framework/Events.h"
#include "framework/Label.h"
#include "framework/PushButton.h"
#include "framework/Runtime.h"
#include "framework/qt/QtText.h"

namespace framework::qt {
namespace {

// 0 is the platform's default, then left, centre and right.
Qt::Alignment AlignmentOf(Int32 textAlign) {
  switch (textAlign) {
    case 2: return Qt::AlignHCenter | Qt::AlignVCenter;
    case 3: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

}  // namespace

QWidget* CreateControlWidget(Control& control, QWidget* content) {
  if (auto* button = dynamic_cast<PushButton*>(&control)) {
    auto* widget = new QPushButton(content);
    QObject::connect(widget, &QPushButton::clicked, widget, [model = button->weak_from_this()] {
      if (const auto held = model.lock()) RaiseEvent(*held, PushButton::kActionEvent);
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
    auto& shown = static_cast<QLabel&>(widget);
    shown.setText(ToQString(label->Text()));
    shown.setAlignment(AlignmentOf(label->IntegerProperty("TextAlign")));
    shown.setWordWrap(label->BooleanProperty("Multiline"));
    const Color color = label->ColorProperty("TextColor");
    QPalette palette = shown.palette();
    palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    shown.setPalette(palette);
  }
  widget.setVisible(control.BooleanProperty("Visible"));
}

}  // namespace framework::qt
