#pragma once

#include <memory>

#include "builder/BuildAction.h"
#include "framework/Window.h"

// The program's one window; its button handlers are the program's entry points.
class Window1 : public framework::Window, public builder::BuildHost {
 public:
  void CreateControls();

  std::shared_ptr<framework::Label> Label1();
  std::shared_ptr<framework::Label> Label2();
  std::shared_ptr<framework::Label> Label3();
  std::shared_ptr<framework::Label> Label4();
  std::shared_ptr<framework::Label> Label5();
  std::shared_ptr<framework::Label> Label6();

  void PushButton10_Action();
  void PushButton1_Action();
  void PushButton13_Action();

  void LoadNumbers() override;
  void SetLabelText(framework::Int32 labelNumber, const framework::String& text) override;

 private:
  std::shared_ptr<framework::Label> LabelNamed(const framework::String& name);
};
