#pragma once

#include <string>

namespace fuzz {

// A broken invariant ends the run with an abort, so that the fuzzer keeps the input.
[[noreturn]] void Fail(const std::string& what);

inline void Require(bool holds, const char* what) {
  if (!holds) Fail(what);
}

}  // namespace fuzz
