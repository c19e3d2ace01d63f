// The map image as a file: PNG (the track API's encoder) or an uncompressed 24-bit BMP.
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

}  // namespace tarmaxion::cli
