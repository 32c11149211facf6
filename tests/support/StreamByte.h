// The bytes of a stream that never pauses: byte k is k % 251, so every byte's
// place is known, and no run of them spells a keyword's separator.
#pragma once

#include <cstddef>

namespace ringlook::testing {

inline char StreamByte(std::size_t k) { return static_cast<char>(k % 251); }

}  // namespace ringlook::testing
