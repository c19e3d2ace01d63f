// A zlib stream (RFC 1950) of some bytes, from the compressor the system has: the PNG encoder's
// one dependency that differs by system.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarmaxion {

// The bytes deflated into a zlib stream at a level that favours speed and still gives small
// files; nothing when the compressor cannot be had.
std::optional<std::vector<std::uint8_t>> ZlibStream(std::span<const std::uint8_t> bytes);

// The CRC-32 of PNG chunks and zip entries, continued from crc (0 to start).
std::uint32_t Crc32(std::uint32_t crc, std::span<const std::uint8_t> bytes);

}  // namespace tarmaxion
