// The map image as a file: PNG through the platform's encoder, or an uncompressed 24-bit BMP.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "gfx/Image.h"

namespace tarmaxion::cli {

enum class ImageFormat { kPng, kBmp };

// PNG for a name without an extension or ending in ".png", BMP for ".bmp" (in any case);
// nothing for another extension, which names a format trkconv does not write.
std::optional<ImageFormat> FormatForName(std::string_view path);

// Bottom-up rows of blue, green, red bytes, each row padded to four bytes, no palette.
std::vector<std::uint8_t> EncodeBmp(const Image& image);

// An 8-bit PNG, with a palette or RGB; nothing when the encoder cannot make it. Implemented per
// platform: with libdeflate (PngDeflate.cpp) or by the Windows Imaging Component (PngWic.cpp).
std::optional<std::vector<std::uint8_t>> EncodePng(const Image& image);

}  // namespace tarmaxion::cli
