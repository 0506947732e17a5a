#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "ExpectedWindow1Design.h"
#include "framework/FolderItem.h"
#include "framework/Lifecycle.h"
#include "framework/scripted/ScriptedBackend.h"
#include "state/Module1.h"
#include "support/TempFolder.h"
#include "ui/MainMenuBar.h"
#include "ui/Window1.h"

namespace {

struct Window1Test : testing::Test {
  framework::ScriptedBackend backend;
  std::shared_ptr<Window1> window;
  // A build looks for its digit table here and finds none.
  TempFolder programFolder;

  void SetUp() override {
    framework::RuntimeInit();
    Module1::Initialize();
    framework::SetProgramFolder(programFolder.Path());
    window = Window1::ImplicitInstance();
  }
  void TearDown() override {
    window.reset();
    MainMenuBar::ReleaseImplicitInstance();
    framework::SetProgramFolder({});
    Module1::Finalize();
    framework::RuntimeExit();
  }
};

TEST_F(Window1Test, TheTenControlsStandInCreationOrderWithTheirDesignValues) {
  const auto& rows = expected_window1::kControls;
  const auto& controls = window->Controls();
  ASSERT_EQ(controls.size(), rows.size());
  for (std::size_t index = 0; index < rows.size(); ++index) {
    const expected_window1::Control& row = rows[index];
    const framework::Control& control = *controls[index];
    SCOPED_TRACE(row.name);
    EXPECT_EQ(control.Name(), row.name);
    EXPECT_EQ(control.ClassName(), row.isButton ? "PushButton" : "Label");
    EXPECT_EQ(control.TextProperty(row.isButton ? "Caption" : "Text"), row.text);
    EXPECT_EQ(std::vector<int>({control.Left(), control.Top(), control.Width(), control.Height()}),
              std::vector<int>({row.left, row.top, row.width, expected_window1::kControlHeight}));
    EXPECT_EQ(control.IntegerProperty("TabIndex"), row.tabIndex);
    EXPECT_EQ(control.TextUnit(), 0);
    EXPECT_TRUE(control.BooleanProperty("LockLeft") && control.BooleanProperty("LockTop"));
    EXPECT_FALSE(control.BooleanProperty("LockRight") || control.BooleanProperty("LockBottom"));
    EXPECT_EQ(control.StubFor(framework::PushButton::kActionEvent) != nullptr, row.isButton);
    for (const auto& [name, value] : expected_window1::ControlEntries(row))
      EXPECT_EQ(control.Property(name), value) << name;
  }
}

TEST_F(Window1Test, TheWindowHasItsDesignValuesAndTheSharedMenuBar) {
  EXPECT_EQ(window->TextProperty("Title"), "Kestrovan Plotter");
  EXPECT_EQ(window->IntegerProperty("Width"), 305);
  EXPECT_EQ(window->IntegerProperty("Height"), 170);
  EXPECT_TRUE(window->BooleanProperty("Resizeable"));
  for (const auto& [name, value] : expected_window1::WindowEntries()) EXPECT_EQ(window->Property(name), value) << name;
  EXPECT_EQ(window->MenuBar(), MainMenuBar::implicitInstance);
  EXPECT_EQ(backend.trace, std::vector<std::string>{"window shown: Kestrovan Plotter"});
}

TEST_F(Window1Test, TheImplicitInstanceIsTheOpenWindowAndNoSecondIsMade) {
  EXPECT_EQ(Window1::ImplicitInstance(), window);
  EXPECT_EQ(framework::GetImplicitWindow("Window1.Window1"), window);
  EXPECT_EQ(backend.shownWindows.size(), 1U);
}

TEST_F(Window1Test, EachControlAccessorReturnsTheControlMadeUnderItsName) {
  const std::vector<std::pair<const char*, std::function<std::shared_ptr<framework::Control>()>>> accessors{
      {"PushButton3", [&] { return window->PushButton3(); }}, {"PushButton10", [&] { return window->PushButton10(); }},
      {"PushButton1", [&] { return window->PushButton1(); }}, {"PushButton13", [&] { return window->PushButton13(); }},
      {"Label1", [&] { return window->Label1(); }},           {"Label2", [&] { return window->Label2(); }},
      {"Label3", [&] { return window->Label3(); }},           {"Label4", [&] { return window->Label4(); }},
      {"Label5", [&] { return window->Label5(); }},           {"Label6", [&] { return window->Label6(); }},
  };
  for (const auto& [name, accessor] : accessors) {
    const auto made = std::find_if(window->Controls().begin(), window->Controls().end(),
                                   [name = name](const auto& control) { return control->Name() == name; });
    ASSERT_NE(made, window->Controls().end()) << name;
    EXPECT_EQ(accessor(), *made) << name;
    EXPECT_EQ(accessor(), *made) << name;
  }
}

TEST_F(Window1Test, EachMenuItemAccessorReturnsTheItemOfItsNameFromTheSharedBar) {
  const std::vector<std::pair<const char*, std::function<std::shared_ptr<framework::MenuItem>()>>> accessors{
      {"EditMenu", [&] { return window->EditMenu(); }},
      {"EditSelectAll", [&] { return window->EditSelectAll(); }},
      {"EditSeparator2", [&] { return window->EditSeparator2(); }},
      {"EditClear", [&] { return window->EditClear(); }},
      {"EditPaste", [&] { return window->EditPaste(); }},
      {"EditCopy", [&] { return window->EditCopy(); }},
      {"EditCut", [&] { return window->EditCut(); }},
      {"EditSeparator1", [&] { return window->EditSeparator1(); }},
      {"EditUndo", [&] { return window->EditUndo(); }},
      {"FileMenu", [&] { return window->FileMenu(); }},
      {"FileQuit", [&] { return window->FileQuit(); }},
  };
  for (const auto& [name, accessor] : accessors) {
    const auto item = accessor();
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->Name(), name);
    EXPECT_EQ(item, MainMenuBar::implicitInstance->Lookup(name));
  }
  const std::shared_ptr<framework::QuitMenuItem> quit = window->FileQuit();
  EXPECT_NE(quit, nullptr);
}

TEST_F(Window1Test, AWindowWithoutAMenuBarRaisesNilObjectExceptionFromAMenuItemAccessor) {
  const auto bare = std::make_shared<Window1>();
  EXPECT_THROW(bare->FileQuit(), framework::NilObjectException);
  EXPECT_EQ(bare->Label1(), nullptr);
}

TEST_F(Window1Test, APressRunsItsOwnHandlerExactlyOnce) {
  struct Press {
    std::function<std::shared_ptr<framework::PushButton>()> button;
    std::vector<std::string> trace;
    std::vector<framework::FileDialogKind> dialogs;
  };
  const std::vector<Press> presses{
      {[&] { return window->PushButton1(); }, {"press PushButton1"}, {framework::FileDialogKind::Open}},
      {[&] { return window->PushButton13(); },
       {"press PushButton13", "message: Done, Now Save File  Total # of Symbols = 0"},
       {}},
      {[&] { return window->PushButton10(); }, {"press PushButton10"}, {framework::FileDialogKind::Save}},
      {[&] { return window->PushButton3(); }, {"press PushButton3", "event loop stopped"}, {}},
  };
  for (const Press& press : presses) {
    backend.trace.clear();
    backend.dialogsShown.clear();
    backend.AnswerNextDialog(nullptr);
    backend.Press(*press.button());
    EXPECT_EQ(backend.trace, press.trace);
    EXPECT_EQ(backend.dialogsShown, press.dialogs);
    backend.dialogAnswers.clear();
  }
}

TEST_F(Window1Test, CancelledDialogsReadAndWriteNothing) {
  const TempFolder folder;
  backend.AnswerNextDialog(std::make_shared<framework::FolderItem>(folder.Write("params.txt", "a\nb\nc\n")));
  backend.Press(*window->PushButton1());
  ASSERT_EQ(Module1::total, 3);
  backend.AnswerNextDialog(nullptr);
  backend.Press(*window->PushButton1());
  EXPECT_EQ(Module1::total, 0) << "a cancelled open leaves no parameter line in use";
  EXPECT_EQ((*Module1::gSymbolParameters)(3), "c");

  Module1::Append(Module1::gStringArray, Module1::ginc, [] { return std::string("record\n"); });
  backend.AnswerNextDialog(nullptr);
  backend.Press(*window->PushButton10());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1) << "only the parameter file";
  EXPECT_EQ(Module1::ginc, 1);
  EXPECT_TRUE(backend.messages.empty());
  EXPECT_EQ(backend.dialogsShown,
            (std::vector<framework::FileDialogKind>{framework::FileDialogKind::Open, framework::FileDialogKind::Open,
                                                    framework::FileDialogKind::Save}));
}

TEST_F(Window1Test, AnExceptionThatLeavesAHandlerIsReportedAndTheWindowStaysUsable) {
  // The dialog gets no answer, so the open handler ends with an exception.
  backend.Press(*window->PushButton1());
  ASSERT_EQ(backend.reports.size(), 1U);
  EXPECT_NE(backend.reports[0].details.find("the script holds no answer"), std::string::npos);
  EXPECT_TRUE(backend.messages.empty());
  backend.Press(*window->PushButton3());
  EXPECT_EQ(backend.trace.back(), "event loop stopped");
}

TEST_F(Window1Test, ArithmeticAndRotationMethods) {
  EXPECT_EQ(window->FunctionSquareIt(3), 9);
  double a = 0;
  double b = 0;
  double c = 0;
  window->Calculate(3, a, b, c);
  EXPECT_EQ(std::vector<double>({a, b, c}), std::vector<double>({6, 9, 27}));
  // A point a degree north of (30, 20) turned a quarter clockwise about it.
  double latitude = 0;
  double longitude = 0;
  window->Rotate(30, 20, -90, 31, 20, latitude, longitude);
  EXPECT_NEAR(latitude, 29.9950951683, 1e-10);
  EXPECT_NEAR(longitude, 21.1546436121, 1e-10);
}

}  // namespace
