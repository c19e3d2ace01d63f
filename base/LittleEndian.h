// Little-endian numbers in byte buffers: the one place where the byte order of track and
// bitmap files is spelled out. Callers make sure the field lies inside the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tarmaxion {

// The width-byte number (1 to 4) at `at`.
constexpr std::uint32_t ReadLittleEndian(std::span<const std::uint8_t> bytes, std::size_t at,
                                         std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
  return value;
}

// Stores the low width bytes (1 to 4) of value at `at`.
constexpr void WriteLittleEndian(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value,
                                 std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

constexpr std::uint16_t ReadU16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(ReadLittleEndian(bytes, at, 2));
}
constexpr std::uint32_t ReadU32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return ReadLittleEndian(bytes, at, 4);
}
constexpr void WriteU16(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
  WriteLittleEndian(bytes, at, value, 2);
}
constexpr void WriteU32(std::span<std::uint8_t> bytes, std::size_t at, std::uint32_t value) {
  WriteLittleEndian(bytes, at, value, 4);
}

}  // namespace tarmaxion
