#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// The lines a text file holds, worked out on the whole file at once: a leading UTF-8
// byte-order mark dropped, CR LF, LF and a lone CR each end a line.
struct ReferenceText {
  std::vector<std::string> endedLines;  // the lines that a line end closes
  bool openLine = false;                // bytes follow the last line end
  std::string lastLine;                 // those bytes

  // Every line, the open one included: what a reader returns when the file ends normally.
  std::vector<std::string> AllLines() const;
};

ReferenceText SplitReferenceLines(std::string_view bytes);

}  // namespace fuzz
