#include "tools/builders/BmpBuilder.h"

#include "base/LittleEndian.h"

namespace tarmaxion::testing {

std::vector<std::uint8_t> MakeBmp(const BmpLayout& layout) {
  const std::size_t rows =
      static_cast<std::size_t>(layout.height < 0 ? -layout.height : layout.height);
  const std::size_t width = static_cast<std::size_t>(layout.width);
  const std::size_t stride = (width + 3) & ~std::size_t{3};
  const std::size_t palette_at = 14 + layout.info_size;
  const std::size_t pixels_at = palette_at + 4 * layout.palette.size() + layout.gap;
  std::vector<std::uint8_t> bytes(pixels_at + stride * rows, layout.filler);
  bytes[0] = 'B';
  bytes[1] = 'M';
  WriteU32(bytes, kBmpFileSizeField, static_cast<std::uint32_t>(bytes.size()));
  WriteU32(bytes, 6, 0);
  WriteU32(bytes, kBmpPixelOffsetField, static_cast<std::uint32_t>(pixels_at));
  WriteU32(bytes, kBmpInfoSizeField, layout.info_size);
  WriteU32(bytes, kBmpWidthField, static_cast<std::uint32_t>(layout.width));
  WriteU32(bytes, kBmpHeightField, static_cast<std::uint32_t>(layout.height));
  WriteU16(bytes, 26, 1);
  WriteU16(bytes, kBmpBitCountField, 8);
  WriteU32(bytes, kBmpCompressionField, 0);
  WriteU32(bytes, kBmpImageSizeField, static_cast<std::uint32_t>(stride * rows));
  for (std::size_t at = 38; at < 54; ++at) bytes[at] = 0;
  WriteU32(bytes, kBmpColoursUsedField,
        layout.colours_used.value_or(static_cast<std::uint32_t>(layout.palette.size())));
  for (std::size_t entry = 0; entry < layout.palette.size(); ++entry) {
    const Colour c = layout.palette[entry];
    const std::size_t at = palette_at + 4 * entry;
    bytes[at] = BlueOf(c);
    bytes[at + 1] = GreenOf(c);
    bytes[at + 2] = RedOf(c);
    bytes[at + 3] = 0x5A;  // reserved, must not leak into the colour
  }
  for (std::size_t y = 0; y < rows; ++y) {
    const std::size_t stored = layout.height > 0 ? rows - 1 - y : y;
    for (std::size_t x = 0; x < width; ++x) {
      bytes[pixels_at + stored * stride + x] = layout.indices[y * width + x];
    }
  }
  return bytes;
}

}  // namespace tarmaxion::testing
