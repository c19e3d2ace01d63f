// The object type remap: types 25 to 32 of the newer version rewritten to the types the older
// version knows, so that the converted copy places objects it can show.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace tarmaxion {

// The type to write for a type read, or nothing when the type stays as it is.
constexpr std::optional<std::int8_t> RemappedType(std::int8_t type) {
  constexpr std::int8_t kFirst = 25;
  constexpr std::array<std::int8_t, 8> kWritten = {10, 8, 13, 11, 23, 22, 10, 24};
  if (type < kFirst || type >= kFirst + static_cast<int>(kWritten.size())) return std::nullopt;
  return kWritten[static_cast<std::size_t>(type - kFirst)];
}

}  // namespace tarmaxion
