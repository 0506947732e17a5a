// The line reader over arbitrary bytes, delivered in arbitrary chunks, with a read error at an
// arbitrary point: its lines must be those of the whole file split at once.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "FuzzCheck.h"
#include "ReferenceLines.h"
#include "framework/Exceptions.h"
#include "framework/LineReader.h"

namespace {

using fuzz::Require;

// The first bytes of an input are the plan of the source, the rest the file.
struct Plan {
  std::size_t bufferSize = 4;
  std::array<std::size_t, 8> chunkSizes{};  // 0 hands out as much as the buffer takes
  bool failing = false;
  std::size_t failAt = 0;  // bytes delivered before the read error
  std::string_view bytes;
};

Plan Decode(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kHeader = 11;
  std::array<std::uint8_t, kHeader> header{};
  std::copy_n(data, std::min(size, kHeader), header.begin());
  Plan plan;
  plan.bufferSize = 4 + header[0] % 64u;
  for (std::size_t k = 0; k < plan.chunkSizes.size(); ++k) plan.chunkSizes[k] = header[1 + k] % 17u;
  plan.failing = (header[9] & 1u) != 0;
  if (size > kHeader) plan.bytes = std::string_view(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  plan.failAt = std::min<std::size_t>(plan.bytes.size(), (header[9] >> 1u) * 8u + header[10] % 8u);
  return plan;
}

framework::LineReader::Source SourceOf(const Plan& plan) {
  const std::size_t end = plan.failing ? plan.failAt : plan.bytes.size();
  return [&plan, end, offset = std::size_t{0}, pass = std::size_t{0}](char* buffer, std::size_t capacity) mutable {
    Require(capacity > 0, "the reader asked for no bytes");
    if (offset == end) {
      if (plan.failing) throw framework::IOException(EIO, "injected read error");
      return std::size_t{0};
    }
    const std::size_t chunk = plan.chunkSizes[pass++ % plan.chunkSizes.size()];
    const std::size_t count = std::min({chunk == 0 ? capacity : chunk, capacity, end - offset});
    std::memcpy(buffer, plan.bytes.data() + offset, count);
    offset += count;
    return count;
  };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Plan plan = Decode(data, size);
  const auto reference =
      fuzz::SplitReferenceLines(plan.bytes.substr(0, plan.failing ? plan.failAt : plan.bytes.size()));
  // A read error loses the line it interrupts, never one already ended.
  const auto expected = plan.failing ? reference.endedLines : reference.AllLines();

  framework::LineReader reader(SourceOf(plan), plan.bufferSize);
  std::size_t count = 0;
  bool failed = false;
  while (!reader.AtEnd()) {
    try {
      const auto line = reader.ReadLine();
      Require(count < expected.size(), "more lines than the file holds");
      Require(line == expected[count], "a line differs from the file's");
      ++count;
    } catch (const framework::IOException& error) {
      Require(plan.failing, "a read error that the source never raised");
      Require(error.ErrorNumber() == EIO, "the read error lost its error number");
      failed = true;
      break;
    }
  }
  Require(count == expected.size(), "a line of the file was not returned");
  Require(failed == plan.failing, "the read error was not passed on");
  if (!failed) {
    Require(reader.ReadLine().empty(), "reading past the end gave a line");
    Require(reader.AtEnd(), "the end did not stay the end");
  }
  return 0;
}
