#include "framework/qt/QtBackend.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <algorithm>
#include <utility>
#include <vector>

#include "framework/FolderItem.h"
#include "framework/Lifecycle.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "framework/qt/ControlWidgets.h"
#include "framework/qt/MenuWidgets.h"
#include "framework/qt/QtText.h"

namespace framework {
namespace {

// Closing the window ends the program.
class MainWindowWidget : public QMainWindow {
 protected:
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    DispatchEvent([] { Quit(0); });
  }
};

struct ShownControl {
  const Control* model;
  QWidget* widget;
};

struct ShownWindow {
  std::weak_ptr<Window> model;
  std::unique_ptr<MainWindowWidget> widget = std::make_unique<MainWindowWidget>();
  QWidget* content = nullptr;
  std::vector<ShownControl> controls;
  const MenuBar* menuBar = nullptr;
  QSize designSize;
};

void ShowMenuBar(ShownWindow& shown, const std::shared_ptr<MenuBar>& bar) {
  // The old bar goes later, so an action that changes the menus may still be running.
  shown.widget->setMenuBar(qt::CreateMenuBarWidget(bar.get()));
  shown.menuBar = bar.get();
}

void ShowControls(ShownWindow& shown, Window& window) {
  for (const auto& control : window.Controls()) {
    const bool known = std::any_of(shown.controls.begin(), shown.controls.end(),
                                   [&](const ShownControl& entry) { return entry.model == control.get(); });
    if (known) continue;
    if (QWidget* widget = qt::CreateControlWidget(*control, shown.content)) {
      shown.controls.push_back({control.get(), widget});
      qt::ApplyControl(*control, *widget);
    }
  }
}

// The design size is that of the content area, below the menu bar; it is applied only when it
// changes, so that a person's resizing stays.
void ShowGeometry(ShownWindow& shown, const Window& window) {
  const QSize design(window.IntegerProperty("Width"), window.IntegerProperty("Height"));
  QWidget& content = *shown.content;
  if (window.BooleanProperty("Resizeable")) {
    content.setMinimumSize(window.IntegerProperty("MinWidth"), window.IntegerProperty("MinHeight"));
    content.setMaximumSize(window.IntegerProperty("MaxWidth"), window.IntegerProperty("MaxHeight"));
  } else {
    content.setFixedSize(design);
  }
  if (design == shown.designSize) return;
  shown.designSize = design;
  QMenuBar* bar = shown.widget->menuBar();
  const int barHeight = bar->isVisibleTo(shown.widget.get()) ? bar->heightForWidth(design.width()) : 0;
  shown.widget->resize(design.width(), design.height() + std::max(barHeight, 0));
}

void ShowWindow(ShownWindow& shown, Window& window) {
  MainWindowWidget& widget = *shown.widget;
  widget.setWindowTitle(qt::ToQString(window.TextProperty("Title")));
  if (window.MenuBar().get() != shown.menuBar) ShowMenuBar(shown, window.MenuBar());
  widget.menuBar()->setVisible(window.BooleanProperty("MenuBarVisible"));
  ShowControls(shown, window);
  if (window.BooleanProperty("HasBackColor")) {
    const Color color = window.ColorProperty("BackColor");
    QPalette palette = shown.content->palette();
    palette.setColor(QPalette::Window, QColor(color.red, color.green, color.blue));
    shown.content->setPalette(palette);
    shown.content->setAutoFillBackground(true);
  }
  ShowGeometry(shown, window);
  widget.setVisible(window.BooleanProperty("Visible"));
}

// Titled as the window it belongs to; details, when given, wait behind the box's own button.
void ShowBox(QWidget* parent, QMessageBox::Icon icon, const String& text, const String& details) {
  QMessageBox box(icon, parent ? parent->windowTitle() : QGuiApplication::applicationDisplayName(), qt::ToQString(text),
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  if (!details.empty()) box.setDetailedText(qt::ToQString(details));
  box.exec();
}

}  // namespace

struct QtBackend::Presentation {
  std::unique_ptr<QApplication> ownedApplication;
  std::vector<std::unique_ptr<ShownWindow>> windows;

  ShownWindow* Find(const Window& window) {
    for (const auto& shown : windows) {
      if (shown->model.lock().get() == &window) return shown.get();
    }
    return nullptr;
  }

  QWidget* DialogParent() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    return windows.empty() ? nullptr : windows.front()->widget.get();
  }
};

QtBackend::QtBackend(int& argc, char** argv) : presentation_(std::make_unique<Presentation>()) {
  if (QApplication::instance() == nullptr) presentation_->ownedApplication = std::make_unique<QApplication>(argc, argv);
  // Only the framework's quit ends the program, closing the window included.
  QApplication::setQuitOnLastWindowClosed(false);
  // The toolkit knows the executable's folder on every platform, which the standard library does not.
  SetProgramFolder(qt::ToPath(QCoreApplication::applicationDirPath()));
  SetBackend(this);
}

QtBackend::~QtBackend() {
  SetBackend(nullptr);
  presentation_->windows.clear();
}

void QtBackend::ShowMessageBox(const String& text) {
  ShowBox(presentation_->DialogParent(), QMessageBox::NoIcon, text, {});
}

void QtBackend::ShowReport(const String& sentence, const String& details) {
  ShowBox(presentation_->DialogParent(), QMessageBox::Warning, sentence, details);
}

void QtBackend::ControlChanged(Control& control) {
  for (const auto& shown : presentation_->windows) {
    for (const auto& entry : shown->controls) {
      if (entry.model == &control) qt::ApplyControl(control, *entry.widget);
    }
  }
}

void QtBackend::WindowChanged(Window& window) {
  ShownWindow* shown = presentation_->Find(window);
  if (shown == nullptr) {
    // A window is made on screen once it is first visible.
    if (!window.BooleanProperty("Visible")) return;
    auto made = std::make_unique<ShownWindow>();
    made->model = window.weak_from_this();
    made->content = new QWidget;
    made->widget->setCentralWidget(made->content);
    shown = made.get();
    presentation_->windows.push_back(std::move(made));
  }
  ShowWindow(*shown, window);
}

void QtBackend::MenuChanged(MenuItem& /*item*/) {
  for (const auto& shown : presentation_->windows) {
    if (const auto window = shown->model.lock()) ShowMenuBar(*shown, window->MenuBar());
  }
}

void QtBackend::ProcessPendingWork() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

std::shared_ptr<FolderItem> QtBackend::ShowFileDialog(FileDialogKind kind) {
  // The platform's own dialogs, with no filter, title or folder; the save dialog asks before a
  // file is replaced.
  const QString chosen = kind == FileDialogKind::Open ? QFileDialog::getOpenFileName(presentation_->DialogParent())
                                                      : QFileDialog::getSaveFileName(presentation_->DialogParent());
  if (chosen.isEmpty()) return nullptr;
  return std::make_shared<FolderItem>(qt::ToPath(chosen));
}

void QtBackend::RunEventLoop() { QApplication::exec(); }

// exit, not quit: quit would first try to close the windows, and closing one quits.
void QtBackend::StopEventLoop() { QCoreApplication::exit(0); }

}  // namespace framework
