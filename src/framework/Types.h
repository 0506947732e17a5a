#pragma once

#include <cstdint>
#include <string>

namespace framework {

using Int32 = std::int32_t;
// Texts are byte strings, UTF-8 expected; nothing decodes or re-encodes them.
using String = std::string;

}  // namespace framework
