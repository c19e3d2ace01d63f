#include "ui/Bmp.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

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

// What the headers say, once checked against the bytes.
struct BmpLayout {
  int width = 0;
  int height = 0;
  bool bottom_up = false;
  std::uint64_t pixel_offset = 0;
  std::uint64_t stride = 0;
  std::array<Colour, kMaxPaletteEntries> palette{};
};

std::optional<BmpLayout> ReadLayout(std::span<const std::uint8_t> bytes) {
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

  BmpLayout layout;
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);
  layout.bottom_up = bottom_up;
  layout.pixel_offset = pixel_offset;
  layout.stride = stride;
  // Indices past the palette's entries give black.
  for (std::uint32_t entry = 0; entry < palette_entries; ++entry) {
    const auto at = static_cast<std::size_t>(palette_offset + entry * kPaletteEntrySize);
    layout.palette[entry] = Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
  }
  return layout;
}

// One row of width indices into colours. Maps are mostly long runs of one index, so a row of
// one index, and eight equal indices, are written as one colour without a lookup per pixel.
void ConvertRow(const std::uint8_t* source, Colour* target, int width,
                const std::array<Colour, kMaxPaletteEntries>& palette) {
  // Every index equals its right neighbour exactly when the row holds one index.
  if (std::memcmp(source, source + 1, static_cast<std::size_t>(width - 1)) == 0) {
    std::fill(target, target + width, palette[source[0]]);
    return;
  }
  constexpr int kGroup = 8;
  constexpr std::uint64_t kEveryByte = 0x0101010101010101;
  int x = 0;
  for (; x + kGroup <= width; x += kGroup) {
    std::uint64_t group = 0;
    std::memcpy(&group, source + x, sizeof group);
    if (group == (group & 0xFF) * kEveryByte) {
      std::fill(target + x, target + x + kGroup, palette[source[x]]);
    } else {
      for (int i = x; i < x + kGroup; ++i) target[i] = palette[source[i]];
    }
  }
  for (; x < width; ++x) target[x] = palette[source[x]];
}

}  // namespace

bool ImageFromBmp(std::span<const std::uint8_t> bytes, std::optional<Image>& image) {
  const auto layout = ReadLayout(bytes);
  if (!layout) {
    image.reset();
    return false;
  }
  if (!image || image->Width() != layout->width || image->Height() != layout->height) {
    image.emplace(layout->width, layout->height);
  }
  for (int y = 0; y < layout->height; ++y) {
    const auto stored_row = static_cast<std::uint64_t>(layout->bottom_up ? layout->height - 1 - y : y);
    // The layout check keeps every stored row inside bytes.
    const std::uint8_t* const source =
        bytes.data() + static_cast<std::size_t>(layout->pixel_offset + stored_row * layout->stride);
    ConvertRow(source, image->Row(y), layout->width, layout->palette);
  }
  return true;
}

std::optional<Image> ImageFromBmp(std::span<const std::uint8_t> bytes) {
  std::optional<Image> image;
  ImageFromBmp(bytes, image);
  return image;
}

}  // namespace tarmaxion
