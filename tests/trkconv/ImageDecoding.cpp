#include "tests/trkconv/ImageDecoding.h"

namespace tarmaxion::testing {
namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

}  // namespace

std::optional<Image> DecodeBmp24(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  if (Le(bytes, 28, 2) != 24 || Le(bytes, 30, 4) != 0) return std::nullopt;
  const auto offset = Le(bytes, 10, 4);
  const auto width = static_cast<int>(Le(bytes, 18, 4));
  const auto height = static_cast<int>(Le(bytes, 22, 4));
  const std::size_t row_size = (3 * static_cast<std::size_t>(width) + 3) / 4 * 4;
  if (width <= 0 || height <= 0 || bytes.size() < offset + row_size * static_cast<std::size_t>(height)) {
    return std::nullopt;
  }
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    auto at = offset + static_cast<std::size_t>(height - 1 - y) * row_size;
    for (int x = 0; x < width; ++x, at += 3) image.Set(x, y, Rgb(bytes[at + 2], bytes[at + 1], bytes[at]));
  }
  return image;
}

}  // namespace tarmaxion::testing
