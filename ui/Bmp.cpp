#include "ui/Bmp.h"

#include <array>
#include <cstddef>

namespace tarmaxion {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kInfoHeaderSize = 40;   // BITMAPINFOHEADER; larger versions extend it
constexpr std::uint64_t kPaletteEntrySize = 4;  // blue, green, red, reserved
constexpr std::uint32_t kMaxPaletteEntries = 256;
// No real map comes near this; it keeps a hostile header from asking for gigabytes.
constexpr std::int64_t kMaxSide = 16384;

// Little-endian fields of the headers at fixed offsets. The caller checks first that the
// headers lie inside the bytes.
class HeaderFields {
 public:
  explicit HeaderFields(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint16_t U16(std::size_t at) const {
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
  }
  std::uint32_t U32(std::size_t at) const {
    return std::uint32_t{U16(at)} | std::uint32_t{U16(at + 2)} << 16;
  }
  std::int32_t S32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }

 private:
  std::span<const std::uint8_t> bytes_;
};

// True when [offset, offset + length) lies inside size bytes, for any values.
bool Inside(std::uint64_t offset, std::uint64_t length, std::uint64_t size) {
  return offset <= size && length <= size - offset;
}

}  // namespace

std::optional<Image> ImageFromBmp(std::span<const std::uint8_t> bytes) {
  const std::uint64_t size = bytes.size();
  if (!Inside(0, kFileHeaderSize + kInfoHeaderSize, size)) return std::nullopt;
  if (bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const HeaderFields fields(bytes);
  const std::uint64_t pixel_offset = fields.U32(10);
  const std::uint64_t info_size = fields.U32(14);
  const std::int64_t width = fields.S32(18);
  const std::int64_t signed_height = fields.S32(22);
  const std::uint16_t bits_per_pixel = fields.U16(28);
  const std::uint32_t compression = fields.U32(30);
  const std::uint32_t colours_used = fields.U32(46);

  if (info_size < kInfoHeaderSize || bits_per_pixel != 8 || compression != 0) return std::nullopt;
  // A positive height stores the bottom row first, a negative one the top row first.
  const bool bottom_up = signed_height > 0;
  const std::int64_t height = bottom_up ? signed_height : -signed_height;
  if (width <= 0 || width > kMaxSide || height == 0 || height > kMaxSide) return std::nullopt;

  const std::uint32_t palette_entries = colours_used == 0 ? kMaxPaletteEntries : colours_used;
  if (palette_entries > kMaxPaletteEntries) return std::nullopt;
  const std::uint64_t palette_offset = kFileHeaderSize + info_size;
  if (!Inside(palette_offset, palette_entries * kPaletteEntrySize, size)) return std::nullopt;
  const auto stride = (static_cast<std::uint64_t>(width) + 3) & ~std::uint64_t{3};
  if (!Inside(pixel_offset, stride * static_cast<std::uint64_t>(height), size)) {
    return std::nullopt;
  }

  // Indices past the palette's entries give black.
  std::array<Colour, kMaxPaletteEntries> palette{};
  for (std::uint32_t entry = 0; entry < palette_entries; ++entry) {
    const auto at = static_cast<std::size_t>(palette_offset + entry * kPaletteEntrySize);
    palette[entry] = Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
  }

  Image image(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < image.Height(); ++y) {
    const std::uint64_t stored_row =
        bottom_up ? static_cast<std::uint64_t>(height - 1 - y) : static_cast<std::uint64_t>(y);
    const std::uint8_t* const source =
        bytes.data() + static_cast<std::size_t>(pixel_offset + stored_row * stride);
    Colour* const target = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) target[x] = palette[source[x]];
  }
  return image;
}

}  // namespace tarmaxion
