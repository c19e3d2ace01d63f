#include "gfx/Raster.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/gfx/PixelSet.h"

namespace tarmaxion {
namespace {

using testing::PixelSet;
using testing::PixelsOfColour;

constexpr Colour kPaper = Rgb(10, 20, 30);
constexpr Colour kInk = Rgb(200, 100, 50);

PixelSet Box(int left, int top, int right, int bottom) {
  PixelSet pixels;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) pixels.insert({x, y});
  }
  return pixels;
}

TEST(RasterTest, PutPixelSetsOnlyPixelsInsideTheImage) {
  Image image(4, 3, kPaper);
  for (const auto& [x, y] : {std::pair{0, 0}, {3, 2}, {-1, 0}, {4, 0}, {0, -1}, {0, 3},
                             {INT_MIN, INT_MAX}}) {
    PutPixel(image, x, y, kInk);
  }
  EXPECT_EQ(PixelsOfColour(image, kInk), (PixelSet{{0, 0}, {3, 2}}));
}

TEST(RasterTest, FillBoxCoversItsColumnsAndRowsClippedToTheImage) {
  struct Case {
    int x, y, width, height;
    PixelSet expected;
  };
  const std::vector<Case> cases = {
      {2, 1, 3, 2, Box(2, 1, 5, 3)},
      {4, 4, 1, 1, {{4, 4}}},
      {4, 4, 0, 3, {}},
      {4, 4, 3, 0, {}},
      // Negative sizes lie left of x or above y and leave column x or row y out.
      {5, 4, -2, 1, {{3, 4}, {4, 4}}},
      {5, 4, 1, -3, {{5, 1}, {5, 2}, {5, 3}}},
      {5, 4, -1, -1, {{4, 3}}},
      {5, 4, -3, -2, Box(2, 2, 5, 4)},
      // Partly or wholly outside.
      {-2, -3, 4, 5, Box(0, 0, 2, 2)},
      {8, 6, 5, 5, Box(8, 6, 10, 8)},
      {10, 0, 3, 3, {}},
      {0, 8, 3, 3, {}},
      {0, 0, -1, 3, {}},
      {-5, -5, 4, 4, {}},
      {INT_MIN, INT_MIN, INT_MAX, INT_MAX, {}},
      {INT_MAX, INT_MAX, INT_MIN, INT_MIN, Box(0, 0, 10, 8)},
      {-1, 3, INT_MAX, 1, Box(0, 3, 10, 4)},
  };
  for (const auto& c : cases) {
    Image image(10, 8, kPaper);
    FillBox(image, c.x, c.y, c.width, c.height, kInk);
    EXPECT_EQ(PixelsOfColour(image, kInk), c.expected)
        << c.x << "," << c.y << " " << c.width << "x" << c.height;
    EXPECT_EQ(PixelsOfColour(image, kPaper).size() + c.expected.size(), 80u);
  }
}

GlyphMask Mask(int width, int height, std::vector<std::uint8_t> ink) {
  return GlyphMask{width, height, std::move(ink), {}};
}

TEST(RasterTest, DrawLabelFillsTheBoxAndInksTheGlyphPixels) {
  constexpr Colour kBack = Rgb(1, 2, 3);
  const auto mask = Mask(3, 2, {1, 0, 0,  //
                                0, 1, 1});
  Image image(6, 4, kPaper);
  DrawLabel(image, 2, 1, mask, kInk, kBack);
  EXPECT_EQ(PixelsOfColour(image, kInk), (PixelSet{{2, 1}, {3, 2}, {4, 2}}));
  EXPECT_EQ(PixelsOfColour(image, kBack), (PixelSet{{3, 1}, {4, 1}, {2, 2}}));

  // Clipped on the left and at the top: the visible part keeps its place in the mask.
  Image clipped(6, 4, kPaper);
  DrawLabel(clipped, -1, -1, mask, kInk, kBack);
  EXPECT_EQ(PixelsOfColour(clipped, kInk), (PixelSet{{0, 0}, {1, 0}}));
  EXPECT_EQ(PixelsOfColour(clipped, kBack).size(), 0u);

  // Clipped on the right and at the bottom.
  Image corner(6, 4, kPaper);
  DrawLabel(corner, 5, 3, mask, kInk, kBack);
  EXPECT_EQ(PixelsOfColour(corner, kInk), (PixelSet{{5, 3}}));
  EXPECT_EQ(PixelsOfColour(corner, kPaper).size(), 23u);

  // Ink that overhangs the box lands beside it; the rest of the overhang leaves the picture be.
  auto overhanging = Mask(4, 2, {1, 0, 0, 0,  //
                                 1, 0, 1, 1});
  overhanging.overhang = {1, 0, 1, 0};
  Image beside(6, 4, kPaper);
  DrawLabel(beside, 2, 1, overhanging, kInk, kBack);
  EXPECT_EQ(PixelsOfColour(beside, kInk), (PixelSet{{1, 1}, {1, 2}, {3, 2}, {4, 2}}));
  EXPECT_EQ(PixelsOfColour(beside, kBack), (PixelSet{{2, 1}, {3, 1}, {2, 2}}));
}

TEST(RasterTest, DrawLabelPaintsNothingForEmptyOrMalformedMasks) {
  auto wider_overhang = Mask(1, 1, {1});
  wider_overhang.overhang.right = 2;
  for (const auto& mask : {Mask(0, 16, {}), Mask(9, 0, {}), Mask(-3, 2, {}),
                           Mask(3, 2, {1, 1, 1, 1, 1}), wider_overhang}) {
    Image image(6, 4, kPaper);
    DrawLabel(image, 0, 0, mask, kInk, kInk);
    EXPECT_EQ(PixelsOfColour(image, kPaper).size(), 24u) << mask.width << "x" << mask.height;
  }
}

}  // namespace
}  // namespace tarmaxion
