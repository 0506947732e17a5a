#include "ui/MainMenuBar.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "framework/Nil.h"

namespace {

struct MenuRow {
  std::string_view name;
  bool quits;
  // Empty for a menu title, which hangs on the bar itself.
  std::string_view menuTitle;
  std::string_view text;
  // Never assigned when absent.
  std::optional<std::string_view> keyboardShortcut;
};

constexpr std::array<MenuRow, 11> kMenuRows{{
    {"FileMenu", false, "", "&File", ""},
    {"FileQuit", true, "FileMenu", "&Quit", "Cmd+Q"},
    {"EditMenu", false, "", "&Edit", ""},
    {"EditUndo", false, "EditMenu", "&Undo", "Cmd+Z"},
    {"EditSeparator1", false, "EditMenu", "-", std::nullopt},
    {"EditCut", false, "EditMenu", "Cu&t", "Cmd+X"},
    {"EditCopy", false, "EditMenu", "&Copy", "Cmd+C"},
    {"EditPaste", false, "EditMenu", "&Paste", "Cmd+V"},
    {"EditClear", false, "EditMenu", "&Delete", ""},
    {"EditSeparator2", false, "EditMenu", "-", std::nullopt},
    {"EditSelectAll", false, "EditMenu", "Select &All", "Cmd+A"},
}};

// The menu title is asked for afresh for every item.
void BuildItems(framework::MenuBar& bar, std::span<const MenuRow> rows) {
  for (const MenuRow& row : rows) {
    const std::shared_ptr<framework::MenuItem> item =
        row.quits ? std::make_shared<framework::QuitMenuItem>() : std::make_shared<framework::MenuItem>();
    item->SetName(framework::String(row.name));
    item->SetAutoEnable(true);
    item->SetText(framework::String(row.text));
    item->SetVisible(true);
    if (row.keyboardShortcut) item->SetKeyboardShortcut(framework::String(*row.keyboardShortcut));
    if (row.menuTitle.empty()) {
      bar.Append(item);
    } else {
      framework::NotNil(bar.Child(framework::String(row.menuTitle)), "the menu title").Append(item);
    }
  }
}

}  // namespace

std::shared_ptr<MainMenuBar> MainMenuBar::implicitInstance;

std::shared_ptr<MainMenuBar> MainMenuBar::ImplicitInstance() {
  if (!implicitInstance) {
    auto bar = std::make_shared<MainMenuBar>();
    bar->Constructor();
    implicitInstance = std::move(bar);
  }
  return implicitInstance;
}

void MainMenuBar::ReleaseImplicitInstance() {
  auto held = std::move(implicitInstance);
  implicitInstance = nullptr;
  held.reset();
}

void MainMenuBar::Constructor() {
  Untitled0();
  Untitled1();
}

void MainMenuBar::Untitled0() { BuildItems(*this, std::span(kMenuRows).first(2)); }

void MainMenuBar::Untitled1() { BuildItems(*this, std::span(kMenuRows).subspan(2)); }
