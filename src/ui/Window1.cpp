#include "ui/Window1.h"

#include <array>
#include <utility>

#include "framework/Nil.h"

namespace {

constexpr std::array<std::pair<const char*, const char*>, 6> kLabels{{
    {"Label1", "GNumTotal"},
    {"Label2", "SymID"},
    {"Label3", "NumLabel"},
    {"Label4", "First Digit"},
    {"Label5", "Second Digit"},
    {"Label6", "Scale"},
}};

}  // namespace

void Window1::CreateControls() {
  for (const auto& [name, text] : kLabels) {
    AddControl(name, std::make_shared<framework::Label>());
    LabelNamed(name)->SetText(text);
  }
}

std::shared_ptr<framework::Label> Window1::LabelNamed(const framework::String& name) {
  return framework::RuntimeCheckCast<framework::Label>(ControlByName(name));
}

std::shared_ptr<framework::Label> Window1::Label1() { return LabelNamed("Label1"); }
std::shared_ptr<framework::Label> Window1::Label2() { return LabelNamed("Label2"); }
std::shared_ptr<framework::Label> Window1::Label3() { return LabelNamed("Label3"); }
std::shared_ptr<framework::Label> Window1::Label4() { return LabelNamed("Label4"); }
std::shared_ptr<framework::Label> Window1::Label5() { return LabelNamed("Label5"); }
std::shared_ptr<framework::Label> Window1::Label6() { return LabelNamed("Label6"); }

void Window1::SetLabelText(framework::Int32 labelNumber, const framework::String& text) {
  std::shared_ptr<framework::Label> label;
  switch (labelNumber) {
    case 2: label = Label2(); break;
    case 3: label = Label3(); break;
    case 4: label = Label4(); break;
    case 5: label = Label5(); break;
    case 6: label = Label6(); break;
    default: break;
  }
  framework::NotNil(label, "the label").SetText(text);
}
