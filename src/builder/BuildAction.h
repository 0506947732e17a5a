#pragma once

#include "framework/Types.h"

namespace builder {

// What a build needs of the window around it.
class BuildHost {
 public:
  virtual ~BuildHost() = default;
  virtual void LoadNumbers() = 0;
  // Label2 to Label6.
  virtual void SetLabelText(framework::Int32 labelNumber, const framework::String& text) = 0;
};

// One press of "2. Build Symbols": every parameter line from the second on becomes output
// records, and a message box closes the build.
void RunBuild(BuildHost& host);

}  // namespace builder
