// Writes 8-bit BMP file images with consistent size fields, for the reader's tests and the
// fuzzer's seeds; tests then damage single fields with WriteU16 / WriteU32.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/Colour.h"

namespace tarmaxion::testing {

// Offsets of the header fields.
inline constexpr std::size_t kBmpFileSizeField = 2;
inline constexpr std::size_t kBmpPixelOffsetField = 10;
inline constexpr std::size_t kBmpInfoSizeField = 14;
inline constexpr std::size_t kBmpWidthField = 18;
inline constexpr std::size_t kBmpHeightField = 22;
inline constexpr std::size_t kBmpBitCountField = 28;
inline constexpr std::size_t kBmpCompressionField = 30;
inline constexpr std::size_t kBmpImageSizeField = 34;
inline constexpr std::size_t kBmpColoursUsedField = 46;

struct BmpLayout {
  int width = 0;
  int height = 0;                     // negative: top row stored first
  std::vector<std::uint8_t> indices;  // row by row from the visual top, width a row
  std::vector<Colour> palette;
  std::optional<std::uint32_t> colours_used;  // the field as written; unset: the palette's size
  std::uint32_t info_size = 40;
  std::size_t gap = 0;         // bytes between palette and pixels
  std::uint8_t filler = 0xEE;  // row padding, gap and extra info header bytes
};

std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout);

}  // namespace tarmaxion::testing
