#include "tests/trkconv/ImageDecoding.h"

#include "base/LittleEndian.h"

namespace tarmaxion::testing {

std::optional<Image> DecodeBmp24(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  if (ReadU16(bytes, 28) != 24 || ReadU32(bytes, 30) != 0) return std::nullopt;
  const auto offset = ReadU32(bytes, 10);
  const auto width = static_cast<int>(ReadU32(bytes, 18));
  const auto height = static_cast<int>(ReadU32(bytes, 22));
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
