// The map as a PNG file, one encoder for every system, the command line, the library and the
// page.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/Image.h"

namespace tarmaxion {

// An 8-bit PNG, with a palette when the image has at most 256 colours (a whole map always
// does), else RGB; nothing when the compressor cannot be had.
std::optional<std::vector<std::uint8_t>> EncodePng(const Image& image);

}  // namespace tarmaxion
