#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <vector>

#include "framework/Types.h"

namespace framework {

// Cuts a byte stream into lines, bytes as stored: a UTF-8 byte-order mark at the very start is
// dropped, a line ends at CR LF, LF or a lone CR, which is removed, and a final line end starts
// no empty line.
class LineReader {
 public:
  // Fills the buffer with up to capacity bytes and returns how many; 0 at the end. May throw.
  using Source = std::function<std::size_t(char* buffer, std::size_t capacity)>;

  explicit LineReader(Source source, std::size_t bufferSize = 64 * 1024);

  // False while an error of the source is pending, so that the next ReadLine reports it.
  bool AtEnd();
  // Rethrows the source's error; at the end, gives the empty text.
  String ReadLine();

 private:
  bool Fill();
  void SkipByteOrderMark();

  Source source_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  bool finished_ = false;
  bool started_ = false;
  std::exception_ptr pendingError_;
};

}  // namespace framework
