#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>
#include <vector>

#include "tests/gfx/PixelSet.h"
#include "gfx/Raster.h"

namespace tarmaxion {
namespace {

using testing::PixelSet;
using testing::PixelsOfColour;

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);

// A picture drawn in characters: '.' white, '#' black, 'r' red, 'b' blue.
Image Picture(const std::vector<std::string>& rows) {
  Image image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      image.Set(x, y, c == '#' ? kBlack : c == 'r' ? kRed : c == 'b' ? kBlue : kWhite);
    }
  }
  return image;
}

std::vector<std::string> Drawing(const Image& image) {
  std::vector<std::string> rows;
  for (int y = 0; y < image.Height(); ++y) {
    std::string row;
    for (int x = 0; x < image.Width(); ++x) {
      const Colour c = image.At(x, y);
      row += c == kBlack ? '#' : c == kRed ? 'r' : c == kBlue ? 'b' : '.';
    }
    rows.push_back(row);
  }
  return rows;
}

struct FillCase {
  std::string name;
  std::vector<std::string> before;
  int x, y;
  FillMode mode;
  Colour key, colour;
  std::vector<std::string> after;
};

TEST(FloodFillTest, FillsTheFourConnectedRegionAndNothingElse) {
  const std::vector<FillCase> cases = {
      {"a one-pixel diagonal holds a surface fill",
       {"...#", "..#.", ".#..", "#..."}, 0, 0, FillMode::kSurface, kWhite, kRed,
       {"rrr#", "rr#.", "r#..", "#..."}},
      {"a one-pixel diagonal holds a border fill",
       {"...#", "..#.", ".#..", "#..."}, 3, 3, FillMode::kBorder, kBlack, kRed,
       {"...#", "..#r", ".#rr", "#rrr"}},
      {"a border fill crosses every other colour, the brush colour included",
       {"######", "#.rb.#", "#b.r.#", "######"}, 1, 1, FillMode::kBorder, kBlack, kRed,
       {"######", "#rrrr#", "#rrrr#", "######"}},
      {"a border fill in the border colour paints the region in it",
       {"######", "#.rb.#", "#b.r.#", "######"}, 4, 2, FillMode::kBorder, kBlack, kBlack,
       {"######", "######", "######", "######"}},
      {"a surface fill keeps to its colour",
       {"..r..", "rrr..", "..r..", "r.r.."}, 0, 0, FillMode::kSurface, kWhite, kBlue,
       {"bbr..", "rrr..", "..r..", "r.r.."}},
      {"the region reaches round corners and into pockets",
       {"#######", "#.....#", "#.###.#", "#.#.#.#", "#...#.#", "#####.."}, 3, 4,
       FillMode::kBorder, kBlack, kBlue,
       {"#######", "#bbbbb#", "#b###b#", "#b#b#b#", "#bbb#b#", "#####bb"}},
      {"a fill started on the border paints nothing",
       {".#.", "###", ".#."}, 1, 1, FillMode::kBorder, kBlack, kRed,
       {".#.", "###", ".#."}},
      {"a surface fill started off its colour paints nothing",
       {"..", ".r"}, 1, 1, FillMode::kSurface, kWhite, kBlue, {"..", ".r"}},
      {"a surface filled with its own colour stays",
       {"..", ".r"}, 0, 0, FillMode::kSurface, kWhite, kWhite, {"..", ".r"}},
      // Neighbours in memory order but not in the image: the right end of one row and the
      // left end of the next.
      {"the fill stops at the image edge and never wraps",
       {"#######.", ".#######"}, 7, 0, FillMode::kBorder, kBlack, kRed,
       {"#######r", ".#######"}},
      {"a start outside the image paints nothing",
       {"...", "..."}, 3, 0, FillMode::kSurface, kWhite, kRed, {"...", "..."}},
      {"a start above the image paints nothing",
       {"...", "..."}, 0, -1, FillMode::kBorder, kBlack, kRed, {"...", "..."}},
  };
  for (const auto& c : cases) {
    Image image = Picture(c.before);
    FloodFill(image, c.x, c.y, c.mode, c.key, c.colour);
    EXPECT_EQ(Drawing(image), c.after) << c.name;
  }
}

// The region by its definition: every pixel reachable from the start through left, right, up
// and down steps over fillable pixels of the unmodified image.
PixelSet RegionByDefinition(const Image& image, int x, int y, FillMode mode, Colour key) {
  const auto fillable = [&](int px, int py) {
    if (!image.Contains(px, py)) return false;
    return mode == FillMode::kSurface ? image.At(px, py) == key : image.At(px, py) != key;
  };
  PixelSet region;
  if (!fillable(x, y)) return region;
  std::deque<std::pair<int, int>> queue{{x, y}};
  region.insert({x, y});
  while (!queue.empty()) {
    const auto [px, py] = queue.front();
    queue.pop_front();
    for (const auto& [nx, ny] : {std::pair{px - 1, py}, {px + 1, py}, {px, py - 1}, {px, py + 1}}) {
      if (fillable(nx, ny) && region.insert({nx, ny}).second) queue.push_back({nx, ny});
    }
  }
  return region;
}

// Random mazes of few colours make many touching spans, pockets and overhangs.
TEST(FloodFillTest, PaintsExactlyTheRegionOfTheUnmodifiedImage) {
  std::mt19937 random(4242);
  const std::vector<Colour> colours = {kWhite, kBlack, kRed};
  for (int n = 0; n < 400; ++n) {
    const int width = std::uniform_int_distribution<int>(1, 40)(random);
    const int height = std::uniform_int_distribution<int>(1, 30)(random);
    const int walls = std::uniform_int_distribution<int>(0, 60)(random);
    Image image(width, height, kWhite);
    for (auto& pixel : image.Pixels()) {
      const int roll = std::uniform_int_distribution<int>(0, 99)(random);
      pixel = roll < walls ? kBlack : roll < walls + 10 ? kRed : kWhite;
    }
    const int x = std::uniform_int_distribution<int>(0, width - 1)(random);
    const int y = std::uniform_int_distribution<int>(0, height - 1)(random);
    const FillMode mode = n % 2 == 0 ? FillMode::kBorder : FillMode::kSurface;
    const Colour key = mode == FillMode::kBorder ? kBlack : image.At(x, y);
    const Colour colour = colours[static_cast<std::size_t>(n / 2) % colours.size()];

    const PixelSet region = RegionByDefinition(image, x, y, mode, key);
    Image expected = image;
    for (const auto& [px, py] : region) expected.Set(px, py, colour);
    FloodFill(image, x, y, mode, key, colour);
    ASSERT_TRUE(std::equal(image.Pixels().begin(), image.Pixels().end(),
                           expected.Pixels().begin()))
        << "case " << n << ": " << width << "x" << height << " from " << x << "," << y;
  }
}

}  // namespace
}  // namespace tarmaxion
