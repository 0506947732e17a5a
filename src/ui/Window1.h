#pragma once

#include <memory>
#include <string_view>

#include "builder/BuildAction.h"
#include "framework/Window.h"

// The program's one window; its button handlers are the program's entry points. Controls and
// menu items are looked up afresh by name on every use.
class Window1 : public framework::Window, public builder::BuildHost {
 public:
  static constexpr const char* kClassName = "Window1.Window1";

  // The framework's open Window1, made and constructed when there is none.
  static std::shared_ptr<Window1> ImplicitInstance();
  framework::String ClassName() const override { return kClassName; }

  std::shared_ptr<framework::PushButton> PushButton3();
  std::shared_ptr<framework::PushButton> PushButton10();
  std::shared_ptr<framework::PushButton> PushButton1();
  std::shared_ptr<framework::PushButton> PushButton13();
  std::shared_ptr<framework::Label> Label1();
  std::shared_ptr<framework::Label> Label2();
  std::shared_ptr<framework::Label> Label3();
  std::shared_ptr<framework::Label> Label4();
  std::shared_ptr<framework::Label> Label5();
  std::shared_ptr<framework::Label> Label6();

  void PushButton3_Action(framework::PushButton& button);
  void PushButton10_Action(framework::PushButton& button);
  void PushButton1_Action(framework::PushButton& button);
  void PushButton13_Action(framework::PushButton& button);

  std::shared_ptr<framework::MenuItem> EditMenu();
  std::shared_ptr<framework::MenuItem> EditSelectAll();
  std::shared_ptr<framework::MenuItem> EditSeparator2();
  std::shared_ptr<framework::MenuItem> EditClear();
  std::shared_ptr<framework::MenuItem> EditPaste();
  std::shared_ptr<framework::MenuItem> EditCopy();
  std::shared_ptr<framework::MenuItem> EditCut();
  std::shared_ptr<framework::MenuItem> EditSeparator1();
  std::shared_ptr<framework::MenuItem> EditUndo();
  std::shared_ptr<framework::MenuItem> FileMenu();
  std::shared_ptr<framework::QuitMenuItem> FileQuit();

  // Two arithmetic helpers that nothing calls, and the builder's rotation as a window method.
  double FunctionSquareIt(double x);
  void Calculate(double x, double& a, double& b, double& c);
  void Rotate(double axisLatitude, double axisLongitude, double angle, double pointLatitude, double pointLongitude,
              double& outLatitude, double& outLongitude);

  void LoadNumbers() override;
  // Label2 to Label6 show the line just read; the message box closes the build.
  void ShowLine(const builder::LineShown& line) override;
  void BuildDone(framework::Int32 symbolsWritten) override;

 protected:
  // The menu bar and the window's design values.
  void Layout() override;
  void CreateControls() override;

 private:
  // Creates and wires the ten controls, in the order of the design table.
  void CreateControls0();
  template <typename ControlClass>
  void CreateControl(const framework::String& name, std::string_view propertyList);
  template <typename ControlClass>
  std::shared_ptr<ControlClass> ControlNamed(const char* name);
  template <typename ItemClass>
  std::shared_ptr<ItemClass> MenuItemNamed(const char* name);
};
