#include "gfx/Bmp.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>

#include "base/LittleEndian.h"

namespace tarmaxion {
namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kInfoHeaderSize = 40;   // BITMAPINFOHEADER; larger versions extend it
constexpr std::uint64_t kPaletteEntrySize = 4;  // blue, green, red, reserved
constexpr std::uint32_t kMaxPaletteEntries = 256;
// No real map comes near this; it keeps a hostile header from asking for gigabytes.
constexpr std::int64_t kMaxSide = 16384;

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

Problem<BmpProblem> Failed(BmpProblem kind, const char* message) { return {kind, message}; }

Result<BmpLayout, Problem<BmpProblem>> ReadLayout(std::span<const std::uint8_t> bytes) {
  const std::uint64_t size = bytes.size();
  if (!Inside(0, kFileHeaderSize + kInfoHeaderSize, size)) {
    return Failed(BmpProblem::kHeadersCutShort, "the bitmap's headers are cut short");
  }
  if (bytes[0] != 'B' || bytes[1] != 'M') return Failed(BmpProblem::kNotBitmap, "not a bitmap");
  const std::uint64_t pixel_offset = ReadU32(bytes, 10);
  const std::uint64_t info_size = ReadU32(bytes, 14);
  const std::int64_t width = static_cast<std::int32_t>(ReadU32(bytes, 18));
  const std::int64_t signed_height = static_cast<std::int32_t>(ReadU32(bytes, 22));
  const std::uint16_t bits_per_pixel = ReadU16(bytes, 28);
  const std::uint32_t compression = ReadU32(bytes, 30);
  const std::uint32_t colours_used = ReadU32(bytes, 46);

  if (info_size < kInfoHeaderSize || bits_per_pixel != 8 || compression != 0) {
    return Failed(BmpProblem::kUnsupported, "not an uncompressed 8-bit bitmap");
  }
  // A positive height stores the bottom row first, a negative one the top row first.
  const bool bottom_up = signed_height > 0;
  const std::int64_t height = bottom_up ? signed_height : -signed_height;
  if (width <= 0 || width > kMaxSide || height == 0 || height > kMaxSide) {
    return Failed(BmpProblem::kBadSize, "the bitmap's size is out of range");
  }

  const std::uint32_t palette_entries = colours_used == 0 ? kMaxPaletteEntries : colours_used;
  if (palette_entries > kMaxPaletteEntries) {
    return Failed(BmpProblem::kBadPalette, "the bitmap's palette is too long");
  }
  const std::uint64_t palette_offset = kFileHeaderSize + info_size;
  if (!Inside(palette_offset, palette_entries * kPaletteEntrySize, size)) {
    return Failed(BmpProblem::kBadPalette, "the bitmap's palette lies beyond its end");
  }
  const auto stride = (static_cast<std::uint64_t>(width) + 3) & ~std::uint64_t{3};
  if (!Inside(pixel_offset, stride * static_cast<std::uint64_t>(height), size)) {
    return Failed(BmpProblem::kPixelsCutShort, "the bitmap's pixels lie beyond its end");
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

BmpRead ImageFromBmp(std::span<const std::uint8_t> bytes, std::optional<Image>& image) {
  const auto layout = ReadLayout(bytes);
  if (!layout) {
    image.reset();
    return layout.Failure();
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
  return Done{};
}

Result<Image, Problem<BmpProblem>> ImageFromBmp(std::span<const std::uint8_t> bytes) {
  std::optional<Image> image;
  if (auto read = ImageFromBmp(bytes, image); !read) return read.Failure();
  return std::move(*image);
}

}  // namespace tarmaxion
