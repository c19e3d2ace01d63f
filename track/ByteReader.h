// The one way track bytes are read: a bounded little-endian reader over the loaded data.
// Offsets are 64-bit so that sums of file fields cannot wrap before they are checked.
#pragma once

#include <cstdint>
#include <span>

#include "base/LittleEndian.h"
#include "base/Text.h"

namespace tarmaxion {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::int64_t Size() const { return static_cast<std::int64_t>(bytes_.size()); }

  // True when [offset, offset + length) lies inside the data; safe for any values.
  bool Covers(std::int64_t offset, std::int64_t length) const {
    return offset >= 0 && length >= 0 && offset <= Size() && length <= Size() - offset;
  }

  // Bytes outside the data read as zero. The layout check runs first, so the listing and the
  // preview never depend on that; it only keeps a stray read harmless.
  std::uint8_t U8(std::int64_t offset) const {
    return Covers(offset, 1) ? bytes_[static_cast<std::size_t>(offset)] : std::uint8_t{0};
  }
  std::int8_t S8(std::int64_t offset) const { return static_cast<std::int8_t>(U8(offset)); }
  std::uint16_t U16(std::int64_t offset) const {
    const std::uint8_t field[] = {U8(offset), U8(offset + 1)};
    return ReadU16(field, 0);
  }
  std::int16_t S16(std::int64_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
  std::int32_t S32(std::int64_t offset) const {
    const std::uint8_t field[] = {U8(offset), U8(offset + 1), U8(offset + 2), U8(offset + 3)};
    return static_cast<std::int32_t>(ReadU32(field, 0));
  }

  // The bytes up to a NUL or max_length, whichever comes first (and never past the data).
  Text RawText(std::int64_t offset, std::size_t max_length) const;
  // The same, trimmed of spaces at both ends: how every text field of a track is read.
  Text TrimmedText(std::int64_t offset, std::size_t max_length) const {
    return TrimBlanks(RawText(offset, max_length));
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace tarmaxion
