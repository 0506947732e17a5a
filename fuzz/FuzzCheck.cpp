#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

void Fail(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

}  // namespace fuzz
