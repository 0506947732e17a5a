#include "ui/Window1.h"

#include "framework/Events.h"
#include "framework/Lifecycle.h"
#include "framework/Nil.h"
#include "framework/PropertyList.h"
#include "framework/Runtime.h"
#include "framework/Text.h"
#include "ui/MainMenuBar.h"
#include "ui/Window1Design.h"

std::shared_ptr<Window1> Window1::ImplicitInstance() {
  std::shared_ptr<framework::Window> window = framework::GetImplicitWindow(kClassName);
  if (!window) {
    auto made = std::make_shared<Window1>();
    made->Constructor();
    window = std::move(made);
  }
  return framework::RuntimeCheckCast<Window1>(window);
}

void Window1::Layout() {
  SetMenuBar(MainMenuBar::ImplicitInstance());
  framework::SetProperties(*this, window1_design::WindowPropertyList());
}

void Window1::CreateControls() { CreateControls0(); }

template <typename ControlClass>
void Window1::CreateControl(const framework::String& name, std::string_view propertyList) {
  AddControl(name, std::make_shared<ControlClass>());
  ControlNamed<ControlClass>(name.c_str())->SetTextUnit(0);
  framework::SetProperties(*ControlNamed<ControlClass>(name.c_str()), propertyList);
}

void Window1::CreateControls0() {
  const auto self = std::static_pointer_cast<Window1>(shared_from_this());
  for (std::size_t index = 0; index < window1_design::kControls.size(); ++index) {
    const window1_design::ControlDesign& design = window1_design::kControls[index];
    const framework::String name(design.name);
    const std::string_view propertyList = window1_design::ControlPropertyLists()[index];
    if (design.kind == window1_design::ControlClass::Label) {
      CreateControl<framework::Label>(name, propertyList);
      continue;
    }
    CreateControl<framework::PushButton>(name, propertyList);
    framework::RuntimeAddEventHandler(*ControlNamed<framework::PushButton>(name.c_str()),
                                      framework::PushButton::kActionEvent,
                                      framework::EventStubFor<framework::PushButton::kActionEvent>,
                                      framework::RuntimeCreateDelegate(design.action, self));
  }
}

template <typename ControlClass>
std::shared_ptr<ControlClass> Window1::ControlNamed(const char* name) {
  return framework::RuntimeCheckCast<ControlClass>(ControlByName(name));
}

std::shared_ptr<framework::PushButton> Window1::PushButton3() {
  return ControlNamed<framework::PushButton>("PushButton3");
}
std::shared_ptr<framework::PushButton> Window1::PushButton10() {
  return ControlNamed<framework::PushButton>("PushButton10");
}
std::shared_ptr<framework::PushButton> Window1::PushButton1() {
  return ControlNamed<framework::PushButton>("PushButton1");
}
std::shared_ptr<framework::PushButton> Window1::PushButton13() {
  return ControlNamed<framework::PushButton>("PushButton13");
}
std::shared_ptr<framework::Label> Window1::Label1() { return ControlNamed<framework::Label>("Label1"); }
std::shared_ptr<framework::Label> Window1::Label2() { return ControlNamed<framework::Label>("Label2"); }
std::shared_ptr<framework::Label> Window1::Label3() { return ControlNamed<framework::Label>("Label3"); }
std::shared_ptr<framework::Label> Window1::Label4() { return ControlNamed<framework::Label>("Label4"); }
std::shared_ptr<framework::Label> Window1::Label5() { return ControlNamed<framework::Label>("Label5"); }
std::shared_ptr<framework::Label> Window1::Label6() { return ControlNamed<framework::Label>("Label6"); }

template <typename ItemClass>
std::shared_ptr<ItemClass> Window1::MenuItemNamed(const char* name) {
  const std::shared_ptr<framework::MenuBar> bar = MenuBar();
  return framework::RuntimeCheckCast<ItemClass>(framework::NotNil(bar, "the window's menu bar").Lookup(name));
}

std::shared_ptr<framework::MenuItem> Window1::EditMenu() { return MenuItemNamed<framework::MenuItem>("EditMenu"); }
std::shared_ptr<framework::MenuItem> Window1::EditSelectAll() {
  return MenuItemNamed<framework::MenuItem>("EditSelectAll");
}
std::shared_ptr<framework::MenuItem> Window1::EditSeparator2() {
  return MenuItemNamed<framework::MenuItem>("EditSeparator2");
}
std::shared_ptr<framework::MenuItem> Window1::EditClear() { return MenuItemNamed<framework::MenuItem>("EditClear"); }
std::shared_ptr<framework::MenuItem> Window1::EditPaste() { return MenuItemNamed<framework::MenuItem>("EditPaste"); }
std::shared_ptr<framework::MenuItem> Window1::EditCopy() { return MenuItemNamed<framework::MenuItem>("EditCopy"); }
std::shared_ptr<framework::MenuItem> Window1::EditCut() { return MenuItemNamed<framework::MenuItem>("EditCut"); }
std::shared_ptr<framework::MenuItem> Window1::EditSeparator1() {
  return MenuItemNamed<framework::MenuItem>("EditSeparator1");
}
std::shared_ptr<framework::MenuItem> Window1::EditUndo() { return MenuItemNamed<framework::MenuItem>("EditUndo"); }
std::shared_ptr<framework::MenuItem> Window1::FileMenu() { return MenuItemNamed<framework::MenuItem>("FileMenu"); }
std::shared_ptr<framework::QuitMenuItem> Window1::FileQuit() {
  return MenuItemNamed<framework::QuitMenuItem>("FileQuit");
}

void Window1::ShowLine(const builder::LineShown& line) {
  framework::NotNil(Label2(), "Label2").SetText(line.symbolNumber);
  framework::NotNil(Label3(), "Label3").SetText(framework::Str(line.splitRemainder));
  framework::NotNil(Label4(), "Label4").SetText(framework::Str(line.firstDigit));
  framework::NotNil(Label5(), "Label5").SetText(framework::Str(line.secondDigit));
  framework::NotNil(Label6(), "Label6").SetText(framework::Str(line.halfSize));
}

void Window1::BuildDone(framework::Int32 symbolsWritten) {
  framework::MsgBox("Done, Now Save File  Total # of Symbols = " + framework::Str(symbolsWritten));
}
