#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "tests/gfx/PixelSet.h"
#include "gfx/Raster.h"

namespace tarmaxion {
namespace {

using testing::Pixel;
using testing::PixelSet;
using testing::PixelsOfColour;
using testing::PixelsOfColourIn;

constexpr Colour kPaper = Rgb(255, 255, 255);
constexpr Colour kInk = Rgb(0, 0, 0);

PixelSet Line(int width, int height, Pixel from, Pixel to) {
  Image image(width, height, kPaper);
  DrawLine(image, from.first, from.second, to.first, to.second, kInk);
  return PixelsOfColour(image, kInk);
}

// The line rule as the documentation states it, written independently of the error-term walk:
// one pixel for every major coordinate from the start up to the end (excluded), on the minor
// coordinate nearest the true line, ties going to the smaller coordinate; then the end pixel.
// Only the part inside a width x height image is produced, so huge lines are cheap.
PixelSet LineByRule(int width, int height, Pixel from, Pixel to) {
  PixelSet pixels;
  const std::int64_t dx = std::int64_t{to.first} - from.first;
  const std::int64_t dy = std::int64_t{to.second} - from.second;
  const bool x_major = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy);
  const std::int64_t major = x_major ? dx : dy;
  const std::int64_t minor = x_major ? dy : dx;
  const std::int64_t major_start = x_major ? from.first : from.second;
  const std::int64_t minor_start = x_major ? from.second : from.first;
  const int major_limit = x_major ? width : height;
  const int minor_limit = x_major ? height : width;
  const auto abs_major = static_cast<std::uint64_t>(major < 0 ? -major : major);
  const auto abs_minor = static_cast<std::uint64_t>(minor < 0 ? -minor : minor);
  for (int at = 0; at < major_limit && major != 0; ++at) {
    const std::int64_t i = major > 0 ? at - major_start : major_start - at;
    if (i < 0 || static_cast<std::uint64_t>(i) >= abs_major) continue;
    // |minor offset| = i |minor| / |major| = quotient + remainder / |major|, exactly.
    const std::uint64_t product = static_cast<std::uint64_t>(i) * abs_minor;
    std::uint64_t offset = product / abs_major;
    const std::uint64_t twice_remainder = 2 * (product % abs_major);
    const bool tie = twice_remainder == abs_major;
    // On a tie, rounding the offset up reaches the smaller coordinate only when minor < 0.
    if (twice_remainder > abs_major || (tie && minor < 0)) ++offset;
    const std::int64_t signed_offset = static_cast<std::int64_t>(offset);
    const std::int64_t minor_at = minor_start + (minor < 0 ? -signed_offset : signed_offset);
    if (minor_at < 0 || minor_at >= minor_limit) continue;
    const int other = static_cast<int>(minor_at);
    pixels.insert(x_major ? Pixel{at, other} : Pixel{other, at});
  }
  if (to.first >= 0 && to.first < width && to.second >= 0 && to.second < height) {
    pixels.insert(to);
  }
  return pixels;
}

PixelSet FromList(const std::vector<Pixel>& list) { return PixelSet(list.begin(), list.end()); }

// Measured on the reference drawing interface with its end pixel excluded; our line adds it.
TEST(LineTest, MatchesMeasuredPixelListsPlusTheEndPixel) {
  struct Case {
    Pixel from;
    Pixel to;
    std::vector<Pixel> measured;
  };
  const std::vector<Case> cases = {
      {{2, 2}, {20, 9}, {{2, 2}, {3, 2}, {4, 3}, {5, 3}, {6, 4}, {7, 4}, {8, 4}, {9, 5}, {10, 5},
                         {11, 5}, {12, 6}, {13, 6}, {14, 7}, {15, 7}, {16, 7}, {17, 8}, {18, 8},
                         {19, 9}}},
      {{20, 9}, {2, 2}, {{20, 9}, {19, 9}, {18, 8}, {17, 8}, {16, 7}, {15, 7}, {14, 7}, {13, 6},
                         {12, 6}, {11, 5}, {10, 5}, {9, 5}, {8, 4}, {7, 4}, {6, 4}, {5, 3},
                         {4, 3}, {3, 2}}},
      {{5, 25}, {25, 3}, {{5, 25}, {6, 24}, {7, 23}, {8, 22}, {9, 21}, {10, 20}, {10, 19},
                          {11, 18}, {12, 17}, {13, 16}, {14, 15}, {15, 14}, {16, 13}, {17, 12},
                          {18, 11}, {19, 10}, {20, 9}, {20, 8}, {21, 7}, {22, 6}, {23, 5},
                          {24, 4}}},
      {{3, 3}, {3, 3}, {}},
      {{10, 10}, {4, 12}, {{10, 10}, {9, 10}, {8, 11}, {7, 11}, {6, 11}, {5, 12}}},
  };
  for (const auto& c : cases) {
    PixelSet expected = FromList(c.measured);
    expected.insert(c.to);
    EXPECT_EQ(Line(32, 32, c.from, c.to), expected)
        << c.from.first << "," << c.from.second << " -> " << c.to.first << "," << c.to.second;
  }
}

// 2:1 and 1:2 lines from (100, 100) meet an exact tie at every second pixel: x-major lines
// take the upper pixel and y-major lines the left one, whichever way they are drawn.
TEST(LineTest, TiesGoUpForFlatLinesAndLeftForSteepOnesInEveryOctant) {
  struct Case {
    Pixel to;
    std::vector<Pixel> first_four;
  };
  const std::vector<Case> cases = {
      {{200, 150}, {{100, 100}, {101, 100}, {102, 101}, {103, 101}}},
      {{200, 50}, {{100, 100}, {101, 99}, {102, 99}, {103, 98}}},
      {{0, 150}, {{100, 100}, {99, 100}, {98, 101}, {97, 101}}},
      {{0, 50}, {{100, 100}, {99, 99}, {98, 99}, {97, 98}}},
      {{150, 200}, {{100, 100}, {100, 101}, {101, 102}, {101, 103}}},
      {{50, 200}, {{100, 100}, {99, 101}, {99, 102}, {98, 103}}},
      {{150, 0}, {{100, 100}, {100, 99}, {101, 98}, {101, 97}}},
      {{50, 0}, {{100, 100}, {99, 99}, {99, 98}, {98, 97}}},
  };
  for (const auto& c : cases) {
    PixelSet near_start;
    for (const auto& [x, y] : Line(256, 256, {100, 100}, c.to)) {
      if (x >= 97 && x <= 103 && y >= 97 && y <= 103) near_start.insert({x, y});
    }
    EXPECT_EQ(near_start, FromList(c.first_four)) << c.to.first << "," << c.to.second;
  }
}

TEST(LineTest, FollowsTheNearestPixelRuleForRandomLines) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> coordinate(-8, 72);
  for (int n = 0; n < 3000; ++n) {
    const Pixel from{coordinate(random), coordinate(random)};
    const Pixel to{coordinate(random), coordinate(random)};
    ASSERT_EQ(Line(64, 48, from, to), LineByRule(64, 48, from, to))
        << from.first << "," << from.second << " -> " << to.first << "," << to.second;
  }
}

TEST(LineTest, DrawingBackwardsPaintsTheSamePixels) {
  std::mt19937 random(777);
  std::uniform_int_distribution<int> coordinate(-20, 80);
  for (int n = 0; n < 3000; ++n) {
    const Pixel a{coordinate(random), coordinate(random)};
    const Pixel b{coordinate(random), coordinate(random)};
    ASSERT_EQ(Line(64, 64, a, b), Line(64, 64, b, a))
        << a.first << "," << a.second << " <-> " << b.first << "," << b.second;
  }
}

// Clipping must not move a single pixel: a line that leaves a small image paints there exactly
// what it paints on a large image that holds it whole, cropped to the small one.
TEST(LineTest, ClippingKeepsEveryPixelInsideTheImage) {
  constexpr int kWidth = 40;
  constexpr int kHeight = 30;
  constexpr int kMargin = 100;
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> x_coordinate(-kMargin, kWidth + kMargin - 1);
  std::uniform_int_distribution<int> y_coordinate(-kMargin, kHeight + kMargin - 1);
  for (int n = 0; n < 2000; ++n) {
    const Pixel from{x_coordinate(random), y_coordinate(random)};
    const Pixel to{x_coordinate(random), y_coordinate(random)};
    Image whole(kWidth + 2 * kMargin, kHeight + 2 * kMargin, kPaper);
    DrawLine(whole, from.first + kMargin, from.second + kMargin, to.first + kMargin,
             to.second + kMargin, kInk);
    const auto cropped = PixelsOfColourIn(whole, kInk, kMargin, kMargin, kWidth, kHeight);
    ASSERT_EQ(Line(kWidth, kHeight, from, to), cropped)
        << from.first << "," << from.second << " -> " << to.first << "," << to.second;
  }
}

// Lines whose ends lie up to the whole int range away: only the visible part is walked, and
// it still follows the rule exactly (products of the lengths need the full 64 bits).
TEST(LineTest, HugeLinesThroughTheImageFollowTheRule) {
  std::vector<std::pair<Pixel, Pixel>> lines = {
      {{INT_MIN, 5}, {INT_MAX, 5}},
      {{7, INT_MAX}, {7, INT_MIN}},
      {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}},
      {{INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}},
      {{INT_MIN, 20}, {INT_MAX, 21}},
      {{-1000000000, -3}, {1000000000, 40}},
      {{INT_MIN + 1, INT_MAX}, {INT_MAX, INT_MIN + 7}},
  };
  std::mt19937 random(99);
  std::uniform_int_distribution<int> far(-(1 << 30), 1 << 30);
  std::uniform_int_distribution<int> inside(0, 47);
  for (int n = 0; n < 300; ++n) {
    // Reflecting a far point through a pixel of the image gives a line through that pixel.
    const Pixel middle{inside(random), inside(random)};
    const Pixel from{far(random), far(random)};
    lines.push_back({from, {2 * middle.first - from.first, 2 * middle.second - from.second}});
  }
  for (const auto& [from, to] : lines) {
    const auto painted = Line(64, 48, from, to);
    EXPECT_EQ(painted, LineByRule(64, 48, from, to))
        << from.first << "," << from.second << " -> " << to.first << "," << to.second;
    EXPECT_EQ(painted, Line(64, 48, to, from));
  }
  EXPECT_EQ(Line(64, 48, {INT_MIN, 5}, {INT_MAX, 5}).size(), 64u);
}

TEST(LineTest, ZeroLengthLinesPaintOnePixelWhenInside) {
  EXPECT_EQ(Line(8, 8, {0, 7}, {0, 7}), (PixelSet{{0, 7}}));
  EXPECT_TRUE(Line(8, 8, {8, 3}, {8, 3}).empty());
  EXPECT_TRUE(Line(8, 8, {-1, -1}, {-1, -1}).empty());
}

TEST(LineTest, EmptyImagesTakeAnyLine) {
  EXPECT_TRUE(Line(0, 0, {-5, -5}, {5, 5}).empty());
  EXPECT_TRUE(Line(0, 10, {0, 0}, {0, 9}).empty());
}

}  // namespace
}  // namespace tarmaxion
