#include "gfx/Bmp.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/builders/BmpBuilder.h"
#include "base/LittleEndian.h"

namespace tarmaxion {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::BmpLayout;
using testing::MakeBmp;

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

// image is anything that may hold an Image: a read's result, or the image a read refills.
template <typename MaybeImage>
void ExpectPixels(const MaybeImage& image, const BmpLayout& layout, const std::string& name) {
  ASSERT_TRUE(static_cast<bool>(image)) << name;
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
  WriteU32(bytes, testing::kBmpColoursUsedField, 0);
  // With 256 entries expected, the three real ones plus the pixels are too short.
  EXPECT_FALSE(ImageFromBmp(bytes).HasValue());
}

TEST(BmpTest, IgnoresTheSizeFieldsThatOnlyRepeatWhatTheHeaderSays) {
  const BmpLayout layout = SmallMap();
  for (const std::uint32_t wrong : {0u, 1u, 0xFFFFFFFFu}) {
    Bytes bytes = MakeBmp(layout);
    WriteU32(bytes, testing::kBmpFileSizeField, wrong);
    WriteU32(bytes, testing::kBmpImageSizeField, wrong);
    ExpectPixels(ImageFromBmp(bytes), layout, "size fields " + std::to_string(wrong));
  }
}

TEST(BmpTest, RefusesEveryTruncation) {
  const Bytes whole = MakeBmp(SmallMap());
  for (std::size_t size = 0; size < whole.size(); ++size) {
    EXPECT_FALSE(ImageFromBmp(std::span(whole.data(), size)).HasValue()) << size << " bytes";
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
        EXPECT_FALSE(image.HasValue()) << side;
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
      {"info header too small", testing::kBmpInfoSizeField, 4, 39},
      {"info header past the end", testing::kBmpInfoSizeField, 4, u32(valid.size())},
      {"info header wrapping", testing::kBmpInfoSizeField, 4, 0xFFFFFFFF},
      {"zero width", testing::kBmpWidthField, 4, 0},
      {"negative width", testing::kBmpWidthField, 4, u32(-5)},
      {"absurd width", testing::kBmpWidthField, 4, 16385},
      {"smallest width", testing::kBmpWidthField, 4, u32(INT_MIN)},
      {"zero height", testing::kBmpHeightField, 4, 0},
      {"absurd height", testing::kBmpHeightField, 4, 16385},
      {"absurd top-down height", testing::kBmpHeightField, 4, u32(-16385)},
      {"smallest height", testing::kBmpHeightField, 4, u32(INT_MIN)},
      {"more rows than bytes", testing::kBmpHeightField, 4, 4},
      {"wider rows than bytes", testing::kBmpWidthField, 4, 9},
      {"24 bits", testing::kBmpBitCountField, 2, 24},
      {"4 bits", testing::kBmpBitCountField, 2, 4},
      {"run-length coded", testing::kBmpCompressionField, 4, 1},
      {"bit fields", testing::kBmpCompressionField, 4, 3},
      {"palette too long", testing::kBmpColoursUsedField, 4, 257},
      {"palette count wrapping", testing::kBmpColoursUsedField, 4, 0xFFFFFFFF},
      {"pixels past the end", testing::kBmpPixelOffsetField, 4, u32(valid.size())},
      {"last row's padding past the end", testing::kBmpPixelOffsetField, 4, u32(pixels_at + 1)},
      {"pixel offset wrapping", testing::kBmpPixelOffsetField, 4, 0xFFFFFFFF},
  };
  for (const auto& c : cases) {
    Bytes bytes = valid;
    (c.field_size == 2 ? WriteU16 : WriteU32)(bytes, c.field, c.value);
    EXPECT_FALSE(ImageFromBmp(bytes).HasValue()) << c.name;
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
