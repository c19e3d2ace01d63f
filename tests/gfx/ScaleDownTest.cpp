#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "gfx/ScaleDown.h"

namespace tarmaxion {
namespace {

std::vector<Colour> PixelsOf(const Image& image) {
  return {image.Pixels().begin(), image.Pixels().end()};
}

// The mean the slow way: each source pixel blown up into out_width x out_height subpixels, so
// every output pixel is an exact block of width x height subpixels.
Image BlockMeans(const Image& source, int out_width, int out_height) {
  const int width = source.Width(), height = source.Height();
  Image means(out_width, out_height);
  for (int y = 0; y < out_height; ++y) {
    for (int x = 0; x < out_width; ++x) {
      long sum[3] = {};
      for (int sy = y * height; sy < (y + 1) * height; ++sy) {
        for (int sx = x * width; sx < (x + 1) * width; ++sx) {
          const Colour c = source.At(sx / out_width, sy / out_height);
          sum[0] += RedOf(c), sum[1] += GreenOf(c), sum[2] += BlueOf(c);
        }
      }
      const long area = long{width} * height;
      const auto mean = [&](long s) {
        return static_cast<std::uint8_t>((2 * s + area) / (2 * area));
      };
      means.Set(x, y, Rgb(mean(sum[0]), mean(sum[1]), mean(sum[2])));
    }
  }
  return means;
}

TEST(ScaleDownTest, EachPixelIsTheRoundedMeanOfTheAreaItCovers) {
  std::mt19937 random(7);
  struct Case {
    int width, height, longer_side, out_width, out_height;
  };
  for (const Case& c :
       {Case{3, 1, 2, 2, 1}, Case{7, 5, 3, 3, 2}, Case{5, 9, 4, 2, 4}, Case{13, 13, 5, 5, 5},
        Case{40, 3, 7, 7, 1}, Case{1, 30, 4, 1, 4}, Case{17, 11, 16, 16, 10}}) {
    Image source(c.width, c.height);
    for (Colour& pixel : source.Pixels()) pixel = random() & 0xFFFFFF;
    const Image scaled = ScaleDown(source, c.longer_side);
    ASSERT_EQ(scaled.Width(), c.out_width) << c.width << "x" << c.height;
    ASSERT_EQ(scaled.Height(), c.out_height) << c.width << "x" << c.height;
    EXPECT_EQ(PixelsOf(scaled), PixelsOf(BlockMeans(source, c.out_width, c.out_height)))
        << c.width << "x" << c.height << " -> " << c.longer_side;
  }
}

TEST(ScaleDownTest, SharesFractionalPixelsAndRoundsHalfUpPerChannel) {
  Image source(3, 1);
  source.Set(0, 0, Rgb(0, 1, 255));
  source.Set(1, 0, Rgb(30, 0, 255));
  source.Set(2, 0, Rgb(90, 1, 0));
  // The middle pixel counts one third towards each side: (0 + 30 / 2) / 1.5 = 10.
  const Image scaled = ScaleDown(source, 2);
  EXPECT_EQ(scaled.At(0, 0), Rgb(10, 1, 255));                // green 2/3 rounds up
  EXPECT_EQ(scaled.At(1, 0), Rgb(70, 1, 85));                 // blue 85, green 2/3 again
  EXPECT_EQ(ScaleDown(source, 1).At(0, 0), Rgb(40, 1, 170));  // green 2/3, blue 510 / 3
  Image halves(2, 1, Rgb(0, 0, 0));
  halves.Set(1, 0, Rgb(1, 3, 255));
  EXPECT_EQ(ScaleDown(halves, 1).At(0, 0), Rgb(1, 2, 128));
}

TEST(ScaleDownTest, KeepsTheProportionNeverEnlargesAndTakesTopRowsOnly) {
  const Image map(512, 560, Rgb(1, 2, 3));
  EXPECT_EQ(PixelsOf(ScaleDown(map, 255)), std::vector<Colour>(233 * 255, Rgb(1, 2, 3)));
  EXPECT_EQ(ScaleDown(Image(560, 512), 128).Height(), 117);
  EXPECT_EQ(ScaleDown(Image(1000, 1), 10).Height(), 1);
  EXPECT_EQ(PixelsOf(ScaleDown(map, 5000)), PixelsOf(map));
  EXPECT_EQ(ScaleDown(map, 0).Pixels().size(), 0u);
  EXPECT_EQ(ScaleDown(Image(0, 0), 10).Pixels().size(), 0u);

  Image source(4, 6, Rgb(10, 10, 10));
  for (int x = 0; x < 4; ++x) source.Set(x, 4, Rgb(200, 0, 0));
  EXPECT_EQ(PixelsOf(ScaleDownTop(source, 4, 9)), PixelsOf(Image(4, 4, Rgb(10, 10, 10))));
  EXPECT_EQ(ScaleDownTop(source, 100, 3).Height(), 3);
  EXPECT_EQ(ScaleDownTop(source, 0, 3).Pixels().size(), 0u);
}

}  // namespace
}  // namespace tarmaxion
