#pragma once

#include <memory>

#include "framework/MenuItem.h"

// The program's menu bar: File (Quit) and Edit. One shared object serves the application and
// the main window.
class MainMenuBar : public framework::MenuBar {
 public:
  // The shared bar with a reference for the caller; the first request builds it.
  static std::shared_ptr<MainMenuBar> ImplicitInstance();
  // Shutdown: the shared reference becomes Nil, then the bar it held is let go.
  static void ReleaseImplicitInstance();

  // Nil until the first request; a bar whose building fails is never stored.
  static std::shared_ptr<MainMenuBar> implicitInstance;

  // Builds both menus.
  void Constructor();
  // The File menu.
  void Untitled0();
  // The Edit menu.
  void Untitled1();
};
