#include "ReferenceLines.h"

namespace fuzz {

std::vector<std::string> ReferenceText::AllLines() const {
  auto lines = endedLines;
  if (openLine) lines.push_back(lastLine);
  return lines;
}

ReferenceText SplitReferenceLines(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  ReferenceText text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\n' && c != '\r') {
      text.lastLine.push_back(c);
      text.openLine = true;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    text.endedLines.push_back(std::move(text.lastLine));
    text.lastLine.clear();
    text.openLine = false;
  }
  return text;
}

}  // namespace fuzz
