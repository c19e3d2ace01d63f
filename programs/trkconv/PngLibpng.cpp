// PNG through libpng's simplified interface.
#include "programs/trkconv/ImageFiles.h"

#include <png.h>

namespace tarmaxion::cli {

std::optional<std::vector<std::uint8_t>> EncodePng(const Image& image) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(3 * image.Pixels().size());
  for (const Colour c : image.Pixels()) {
    rgb.push_back(RedOf(c));
    rgb.push_back(GreenOf(c));
    rgb.push_back(BlueOf(c));
  }
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.Width());
  png.height = static_cast<png_uint_32>(image.Height());
  png.format = PNG_FORMAT_RGB;
  // The first call only measures, the second writes into a buffer of that size.
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png, nullptr, &size, 0, rgb.data(), 0, nullptr)) return std::nullopt;
  std::vector<std::uint8_t> encoded(size);
  if (!png_image_write_to_memory(&png, encoded.data(), &size, 0, rgb.data(), 0, nullptr)) {
    return std::nullopt;
  }
  encoded.resize(size);
  return encoded;
}

}  // namespace tarmaxion::cli
