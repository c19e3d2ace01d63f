#include "ui/Bmp.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarmaxion {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Offsets of the header fields the tests change.
constexpr std::size_t kPixelOffsetField = 10;
constexpr std::size_t kFileSizeField = 2;
constexpr std::size_t kInfoSizeField = 14;
constexpr std::size_t kWidthField = 18;
constexpr std::size_t kHeightField = 22;
constexpr std::size_t kBitCountField = 28;
constexpr std::size_t kCompressionField = 30;
constexpr std::size_t kImageSizeField = 34;
constexpr std::size_t kColoursUsedField = 46;

void Put16(Bytes& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, value);
  Put16(bytes, at + 2, value >> 16);
}

struct BmpLayout {
  int width = 0;
  int height = 0;                     // negative: top row stored first
  std::vector<std::uint8_t> indices;  // row by row from the visual top, width a row
  std::vector<Colour> palette;
  std::optional<std::uint32_t> colours_used;  // the field as written; unset: the palette's size
  std::uint32_t info_size = 40;
  std::size_t gap = 0;         // bytes between palette and pixels
  std::uint8_t filler = 0xEE;  // row padding, gap and extra info header bytes
};

// Writes an 8-bit bitmap the way a BMP file lays it out, with consistent size fields.
Bytes MakeBmp(const BmpLayout& layout) {
  const std::size_t rows =
      static_cast<std::size_t>(layout.height < 0 ? -layout.height : layout.height);
  const std::size_t width = static_cast<std::size_t>(layout.width);
  const std::size_t stride = (width + 3) & ~std::size_t{3};
  const std::size_t palette_at = 14 + layout.info_size;
  const std::size_t pixels_at = palette_at + 4 * layout.palette.size() + layout.gap;
  Bytes bytes(pixels_at + stride * rows, layout.filler);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put32(bytes, kFileSizeField, static_cast<std::uint32_t>(bytes.size()));
  Put32(bytes, 6, 0);
  Put32(bytes, kPixelOffsetField, static_cast<std::uint32_t>(pixels_at));
  Put32(bytes, kInfoSizeField, layout.info_size);
  Put32(bytes, kWidthField, static_cast<std::uint32_t>(layout.width));
  Put32(bytes, kHeightField, static_cast<std::uint32_t>(layout.height));
  Put16(bytes, 26, 1);
  Put16(bytes, kBitCountField, 8);
  Put32(bytes, kCompressionField, 0);
  Put32(bytes, kImageSizeField, static_cast<std::uint32_t>(stride * rows));
  for (std::size_t at = 38; at < 54; ++at) bytes[at] = 0;
  Put32(bytes, kColoursUsedField,
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

constexpr Colour kRed = Rgb(250, 10, 20);
constexpr Colour kGreen = Rgb(5, 240, 30);
constexpr Colour kBlue = Rgb(1, 2, 253);

// 5 wide, so every row carries 3 bytes of padding.
BmpLayout SmallMap() {
  BmpLayout layout;
  layout.width = 5;
  layout.height = 3;
  layout.indices = {0, 1, 2, 1, 0,  //
                    2, 2, 2, 2, 2,  //
                    1, 0, 0, 0, 1};
  layout.palette = {kRed, kGreen, kBlue};
  return layout;
}

void ExpectPixels(const std::optional<Image>& image, const BmpLayout& layout,
                  const std::string& name) {
  ASSERT_TRUE(image.has_value()) << name;
  ASSERT_EQ(image->Width(), layout.width) << name;
  ASSERT_EQ(image->Height(), layout.height < 0 ? -layout.height : layout.height) << name;
  for (int y = 0; y < image->Height(); ++y) {
    for (int x = 0; x < image->Width(); ++x) {
      const std::size_t index =
          layout.indices[static_cast<std::size_t>(y * layout.width + x)];
      const Colour expected = index < layout.palette.size() ? layout.palette[index] : Rgb(0, 0, 0);
      ASSERT_EQ(image->At(x, y), expected) << name << " at " << x << "," << y;
    }
  }
}

TEST(BmpTest, ReadsPaletteColoursInEveryLayout) {
  struct Case {
    std::string name;
    std::function<void(BmpLayout&)> change;
  };
  const std::vector<Case> cases = {
      {"bottom-up", [](BmpLayout&) {}},
      {"top-down", [](BmpLayout& l) { l.height = -l.height; }},
      {"a gap before the pixels", [](BmpLayout& l) { l.gap = 7; }},
      {"a larger info header", [](BmpLayout& l) { l.info_size = 108; }},
      {"rows without padding", [](BmpLayout& l) {
         l.width = 4;
         l.indices = {0, 1, 2, 0, 2, 1, 0, 1, 1, 1, 2, 2};
       }},
      {"one pixel", [](BmpLayout& l) {
         l.width = 1;
         l.height = 1;
         l.indices = {2};
       }},
      {"indices past a short palette are black", [](BmpLayout& l) {
         l.indices[3] = 3;
         l.indices[7] = 255;
       }},
      {"a full palette when the count is 0", [](BmpLayout& l) {
         l.palette.clear();
         for (int i = 0; i < 256; ++i) {
           l.palette.push_back(Rgb(static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                                   static_cast<std::uint8_t>(i / 2)));
         }
         l.colours_used = 0;
         l.indices[0] = 255;
         l.indices[14] = 128;
       }},
  };
  for (const auto& c : cases) {
    BmpLayout layout = SmallMap();
    c.change(layout);
    const Bytes bytes = MakeBmp(layout);
    ExpectPixels(ImageFromBmp(bytes), layout, c.name);
  }
}

TEST(BmpTest, TakesAColourCountOfZeroAsAFullPalette) {
  BmpLayout layout = SmallMap();
  Bytes bytes = MakeBmp(layout);
  Put32(bytes, kColoursUsedField, 0);
  // With 256 entries expected, the three real ones plus the pixels are too short.
  EXPECT_FALSE(ImageFromBmp(bytes).has_value());
}

TEST(BmpTest, IgnoresTheSizeFieldsThatOnlyRepeatWhatTheHeaderSays) {
  const BmpLayout layout = SmallMap();
  for (const std::uint32_t wrong : {0u, 1u, 0xFFFFFFFFu}) {
    Bytes bytes = MakeBmp(layout);
    Put32(bytes, kFileSizeField, wrong);
    Put32(bytes, kImageSizeField, wrong);
    ExpectPixels(ImageFromBmp(bytes), layout, "size fields " + std::to_string(wrong));
  }
}

TEST(BmpTest, RefusesEveryTruncation) {
  const Bytes whole = MakeBmp(SmallMap());
  for (std::size_t size = 0; size < whole.size(); ++size) {
    EXPECT_FALSE(ImageFromBmp(std::span(whole.data(), size)).has_value()) << size << " bytes";
  }
}

// The side limit keeps a header from asking for gigabytes; it holds even when the bytes are
// all there.
TEST(BmpTest, AcceptsSidesUpTo16384Pixels) {
  for (const int side : {16384, 16385}) {
    BmpLayout wide;
    wide.width = side;
    wide.height = 1;
    wide.indices.assign(static_cast<std::size_t>(side), 1);
    wide.palette = {kRed, kGreen};
    BmpLayout tall = wide;
    tall.width = 1;
    tall.height = -side;
    for (const auto& layout : {wide, tall}) {
      const auto image = ImageFromBmp(MakeBmp(layout));
      if (side <= 16384) {
        ExpectPixels(image, layout, "side " + std::to_string(side));
      } else {
        EXPECT_FALSE(image.has_value()) << side;
      }
    }
  }
}

TEST(BmpTest, RefusesHeadersItCannotReadOrThatPointOutsideTheBytes) {
  const Bytes valid = MakeBmp(SmallMap());
  const std::size_t pixels_at = valid.size() - 3 * 8;
  const auto u32 = [](std::int64_t value) { return static_cast<std::uint32_t>(value); };
  struct Case {
    std::string name;
    std::size_t field;
    int field_size;
    std::uint32_t value;
  };
  const std::vector<Case> cases = {
      {"magic", 0, 2, 'B' | 'A' << 8},
      {"magic order", 0, 2, 'M' | 'B' << 8},
      {"info header too small", kInfoSizeField, 4, 39},
      {"info header past the end", kInfoSizeField, 4, u32(valid.size())},
      {"info header wrapping", kInfoSizeField, 4, 0xFFFFFFFF},
      {"zero width", kWidthField, 4, 0},
      {"negative width", kWidthField, 4, u32(-5)},
      {"absurd width", kWidthField, 4, 16385},
      {"smallest width", kWidthField, 4, u32(INT_MIN)},
      {"zero height", kHeightField, 4, 0},
      {"absurd height", kHeightField, 4, 16385},
      {"absurd top-down height", kHeightField, 4, u32(-16385)},
      {"smallest height", kHeightField, 4, u32(INT_MIN)},
      {"more rows than bytes", kHeightField, 4, 4},
      {"wider rows than bytes", kWidthField, 4, 9},
      {"24 bits", kBitCountField, 2, 24},
      {"4 bits", kBitCountField, 2, 4},
      {"run-length coded", kCompressionField, 4, 1},
      {"bit fields", kCompressionField, 4, 3},
      {"palette too long", kColoursUsedField, 4, 257},
      {"palette count wrapping", kColoursUsedField, 4, 0xFFFFFFFF},
      {"pixels past the end", kPixelOffsetField, 4, u32(valid.size())},
      {"last row's padding past the end", kPixelOffsetField, 4, u32(pixels_at + 1)},
      {"pixel offset wrapping", kPixelOffsetField, 4, 0xFFFFFFFF},
  };
  for (const auto& c : cases) {
    Bytes bytes = valid;
    (c.field_size == 2 ? Put16 : Put32)(bytes, c.field, c.value);
    EXPECT_FALSE(ImageFromBmp(bytes).has_value()) << c.name;
  }
}

// 37 wide: whole rows of one index, groups of eight equal indices on and off the group grid,
// runs that end inside a group, the last partial group, and an index past the palette.
BmpLayout RunsMap() {
  BmpLayout layout;
  layout.width = 37;
  layout.height = 5;
  layout.palette = {kRed, kGreen, kBlue};
  const auto row = [&](auto index_at) {
    for (int x = 0; x < layout.width; ++x) layout.indices.push_back(index_at(x));
  };
  row([](int) { return std::uint8_t{2}; });
  row([](int x) { return static_cast<std::uint8_t>(x / 8 % 3); });
  row([](int x) { return static_cast<std::uint8_t>((x + 3) / 8 % 2); });
  row([](int x) { return static_cast<std::uint8_t>(x == 36 ? 1 : 0); });
  row([](int x) { return static_cast<std::uint8_t>(x % 3 == 0 ? 200 : x % 2); });
  return layout;
}

TEST(BmpTest, ConvertsRunsAndMixedIndicesAlike) {
  const BmpLayout layout = RunsMap();
  ExpectPixels(ImageFromBmp(MakeBmp(layout)), layout, "runs");
}

// The map is made twice per load: the second time the image keeps its storage when the size
// stays, and is remade when it does not; a bitmap that cannot be read leaves no image.
TEST(BmpTest, RemakesAnImageInItsOwnStorageWhenTheSizeStays) {
  const BmpLayout layout = RunsMap();
  std::optional<Image> image(std::in_place, layout.width, layout.height, kGreen);
  const Colour* const storage = image->Pixels().data();
  ASSERT_TRUE(ImageFromBmp(MakeBmp(layout), image));
  EXPECT_EQ(image->Pixels().data(), storage);
  ExpectPixels(image, layout, "same size");

  const BmpLayout small = SmallMap();
  ASSERT_TRUE(ImageFromBmp(MakeBmp(small), image));
  ExpectPixels(image, small, "other size");

  Bytes broken = MakeBmp(layout);
  broken[0] = 'X';
  EXPECT_FALSE(ImageFromBmp(broken, image));
  EXPECT_FALSE(image.has_value());
}

}  // namespace
}  // namespace tarmaxion
