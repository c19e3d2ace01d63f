#include "tests/trkconv/ImageDecoding.h"

#include <png.h>

namespace tarmaxion::testing {

std::optional<Image> DecodePng(const std::vector<std::uint8_t>& bytes) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return std::nullopt;
  png.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
  Image image(static_cast<int>(png.width), static_cast<int>(png.height));
  std::size_t at = 0;
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x, at += 3) image.Set(x, y, Rgb(rgb[at], rgb[at + 1], rgb[at + 2]));
  }
  return image;
}

}  // namespace tarmaxion::testing
