// Little-endian field writers for the byte images that tests and seed generators build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarmaxion::testing {

inline void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

inline void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v);
  Put16(out, at + 2, v >> 16);
}

}  // namespace tarmaxion::testing
