// The map image as a file: PNG through libpng, or an uncompressed 24-bit BMP.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/Image.h"

namespace tarmaxion::cli {

enum class ImageFormat { kPng, kBmp };

// BMP for a name ending in ".bmp" (any case), PNG otherwise.
ImageFormat FormatForName(std::string_view path);

// Bottom-up rows of blue, green, red bytes, each row padded to four bytes, no palette.
std::vector<std::uint8_t> EncodeBmp(const Image& image);

// An 8-bit RGB PNG; nothing when libpng cannot encode it.
std::optional<std::vector<std::uint8_t>> EncodePng(const Image& image);

}  // namespace tarmaxion::cli
