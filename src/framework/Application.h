#pragma once

#include <memory>

#include "framework/MenuItem.h"

namespace framework {

// The application object; the program registers exactly one (RuntimeRegisterAppObject).
class Application {
 public:
  virtual ~Application() = default;
  std::shared_ptr<framework::MenuBar> MenuBar() const;
  void SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar);

 private:
  std::shared_ptr<framework::MenuBar> menuBar_;
};

}  // namespace framework
