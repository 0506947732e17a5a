#pragma once

#include "framework/Types.h"

namespace builder {

// What a build tells of a parameter line once it is read, before its symbol is drawn.
struct LineShown {
  framework::String symbolNumber;  // the field as split
  double splitRemainder = 0.0;
  // Digit positions 1 and 2: the second keeps an earlier line's digit when this number has one.
  framework::Int32 firstDigit = 0;
  framework::Int32 secondDigit = 0;
  double halfSize = 0.0;

  bool operator==(const LineShown&) const = default;
};

// What a build needs of its host and tells it.
class BuildHost {
 public:
  virtual ~BuildHost() = default;
  // Fills gNumbers and gNumTotal with the digit table afresh.
  virtual void LoadNumbers() = 0;
  virtual void ShowLine(const LineShown& line) = 0;
  // Every line is built; symbolsWritten counts the lines whose kind matched a keyword.
  virtual void BuildDone(framework::Int32 symbolsWritten) = 0;
};

// One press of "2. Build Symbols": every parameter line from the second on becomes output
// records, each line shown to the host as it is read.
void RunBuild(BuildHost& host);

}  // namespace builder
