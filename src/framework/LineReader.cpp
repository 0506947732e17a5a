#include "framework/LineReader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace framework {

LineReader::LineReader(Source source, std::size_t bufferSize)
    : source_(std::move(source)), buffer_(std::max<std::size_t>(bufferSize, 4)) {}

bool LineReader::Fill() {
  if (position_ < length_) return true;
  if (finished_ || pendingError_) return false;
  try {
    length_ = source_(buffer_.data(), buffer_.size());
  } catch (...) {
    pendingError_ = std::current_exception();
    length_ = 0;
  }
  position_ = 0;
  if (length_ == 0 && !pendingError_) finished_ = true;
  return length_ > 0;
}

void LineReader::SkipByteOrderMark() {
  started_ = true;
  static constexpr char mark[] = {'\xEF', '\xBB', '\xBF'};
  // The mark may arrive split over several reads; keep what turns out not to be one.
  String seen;
  while (seen.size() < sizeof mark && Fill()) {
    if (buffer_[position_] != mark[seen.size()]) break;
    seen.push_back(buffer_[position_++]);
  }
  if (seen.size() == sizeof mark || seen.empty()) return;
  // A partial mark is data: put it back in front of what is buffered.
  std::vector<char> rest(buffer_.begin() + static_cast<std::ptrdiff_t>(position_),
                         buffer_.begin() + static_cast<std::ptrdiff_t>(length_));
  buffer_.assign(seen.begin(), seen.end());
  buffer_.insert(buffer_.end(), rest.begin(), rest.end());
  position_ = 0;
  length_ = buffer_.size();
}

bool LineReader::AtEnd() {
  if (!started_) SkipByteOrderMark();
  return !Fill() && !pendingError_;
}

String LineReader::ReadLine() {
  if (!started_) SkipByteOrderMark();
  String line;
  while (Fill()) {
    const char* begin = buffer_.data() + position_;
    const char* end = buffer_.data() + length_;
    const char* stop = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
    line.append(begin, stop);
    position_ += static_cast<std::size_t>(stop - begin);
    if (stop == end) continue;
    const char terminator = buffer_[position_++];
    if (terminator == '\r' && Fill() && buffer_[position_] == '\n') ++position_;
    return line;
  }
  if (pendingError_) std::rethrow_exception(std::exchange(pendingError_, nullptr));
  return line;
}

}  // namespace framework
