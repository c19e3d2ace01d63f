#include <gtest/gtest.h>

#include <algorithm>

#include "api/Thumbnail.h"

namespace tarmaxion {
namespace {

constexpr Colour kLand = Rgb(40, 160, 40);
constexpr Colour kBand = Rgb(0, 100, 150);

TEST(ThumbnailTest, TheMapAreaLeavesTheCaptionBandOut) {
  Image map(512, 560, kLand);
  for (int y = 512; y < 560; ++y) std::fill_n(map.Row(y), 512, kBand);

  const Image square = MapThumbnail(map, 128, ThumbnailArea::kMapArea);
  EXPECT_EQ(square.Width(), 128);
  EXPECT_EQ(square.Height(), 128);
  EXPECT_TRUE(std::ranges::all_of(square.Pixels(), [](Colour c) { return c == kLand; }));

  const Image whole = MapThumbnail(map, 128, ThumbnailArea::kWholeMap);
  EXPECT_EQ(whole.Width(), 117);
  EXPECT_EQ(whole.Height(), 128);
  EXPECT_EQ(whole.At(0, 0), kLand);
  EXPECT_EQ(whole.At(0, 127), kBand);

  EXPECT_EQ(MapThumbnail(map, 512, ThumbnailArea::kMapArea).Height(), 512);
}

}  // namespace
}  // namespace tarmaxion
