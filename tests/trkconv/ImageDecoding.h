// Reads the image files trkconv writes back into Images, independently of its writers.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/Image.h"

namespace tarmaxion::testing {

// A 24-bit uncompressed BMP with bottom-up rows.
std::optional<Image> DecodeBmp24(const std::vector<std::uint8_t>& bytes);
// Any PNG the platform's decoder reads (libpng, or the Windows Imaging Component), as 8-bit RGB.
std::optional<Image> DecodePng(const std::vector<std::uint8_t>& bytes);

}  // namespace tarmaxion::testing
