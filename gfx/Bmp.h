// An 8-bit palette BMP file image, as laid out in memory, turned into a true-colour Image.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "base/Result.h"
#include "gfx/Image.h"

namespace tarmaxion {

enum class BmpProblem { kHeadersCutShort, kNotBitmap, kUnsupported, kBadSize, kBadPalette, kPixelsCutShort };
using BmpRead = Outcome<Problem<BmpProblem>>;

// The bytes must start with "BM" and describe an uncompressed 8-bit bitmap; its width and
// height come from the info header, its pixels from bfOffBits and its colours from its own
// palette (biClrUsed entries, 0 meaning 256). bfSize and biSizeImage are ignored. Bottom-up
// (positive height) and top-down rows are both read; palette indices past the palette give
// black. A problem when any part the header points at lies outside bytes, or when a side
// exceeds 16384 pixels.
Result<Image, Problem<BmpProblem>> ImageFromBmp(std::span<const std::uint8_t> bytes);

// The same picture in image, whose pixels are reused when it already has the bitmap's size, so
// that making the same-sized picture again allocates nothing. On failure image is left empty.
BmpRead ImageFromBmp(std::span<const std::uint8_t> bytes, std::optional<Image>& image);

}  // namespace tarmaxion
