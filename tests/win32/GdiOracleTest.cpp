// Our raster against GDI itself: the same random primitives drawn by both on a 32-bit DIB
// section must leave identical pixels. Under Wine its DIB engine is the oracle.
#include "tests/win32/GdiCanvas.h"

#include <random>
#include <sstream>

#include "gfx/Raster.h"

namespace tarmaxion::win32 {
namespace {

using oracle::Describe;
using oracle::Differences;
using oracle::GdiCanvas;
using oracle::kWhite;
using oracle::Tally;

constexpr int kWidth = 64;
constexpr int kHeight = 48;

class GdiOracleTest : public ::testing::Test {
 protected:
  // Mostly inside or near the image, sometimes far away, so clipping gets its share.
  int Coordinate(int size) {
    if (random_() % 10 == 0) return std::uniform_int_distribution<int>(-100000, 100000)(random_);
    return std::uniform_int_distribution<int>(-size / 2, size + size / 2)(random_);
  }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  Colour AnyColour() { return static_cast<Colour>(random_() & 0xFFFFFF); }

  std::mt19937 random_{20261207};
  GdiCanvas gdi_{kWidth, kHeight};
};

TEST_F(GdiOracleTest, LinesWithTheirEndPixel) {
  Tally tally("DrawLine vs MoveToEx+LineTo+SetPixelV");
  for (int i = 0; i < 10000; ++i) {
    const int x1 = Coordinate(kWidth), y1 = Coordinate(kHeight);
    const int x2 = Coordinate(kWidth), y2 = Coordinate(kHeight);
    const Colour colour = AnyColour();
    Image ours(kWidth, kHeight, kWhite);
    DrawLine(ours, x1, y1, x2, y2, colour);
    gdi_.CopyFrom(Image(kWidth, kHeight, kWhite));
    gdi_.WithPenAndBrush(colour, [&](HDC dc) {
      MoveToEx(dc, x1, y1, nullptr);
      LineTo(dc, x2, y2);
      SetPixelV(dc, x2, y2, colour);
    });
    tally.Compare(Describe("(", x1, ",", y1, ")->(", x2, ",", y2, ")"), ours, gdi_.ToImage());
  }
  EXPECT_EQ(tally.Differing(), 0);
}

TEST_F(GdiOracleTest, BoxesAsRectangleWithPenAndBrushOfOneColour) {
  Tally tally("FillBox vs Rectangle");
  for (int i = 0; i < 10000; ++i) {
    const int x = Between(-20, kWidth + 20), y = Between(-20, kHeight + 20);
    const int w = Between(-40, 40), h = Between(-40, 40);
    if ((w == 1 || w == -1) && (h == 1 || h == -1)) continue;  // pinned below: GDI paints none
    const Colour colour = AnyColour();
    Image ours(kWidth, kHeight, kWhite);
    FillBox(ours, x, y, w, h, colour);
    gdi_.CopyFrom(Image(kWidth, kHeight, kWhite));
    gdi_.WithPenAndBrush(colour, [&](HDC dc) { Rectangle(dc, x, y, x + w, y + h); });
    tally.Compare(Describe("x=", x, " y=", y, " w=", w, " h=", h), ours, gdi_.ToImage());
  }
  EXPECT_EQ(tally.Differing(), 0);
}

// The one size where the service departs from Rectangle on purpose: 1 x 1 is one pixel.
TEST_F(GdiOracleTest, OneByOneBoxIsOnePixelWhereRectanglePaintsNone) {
  for (const int step : {1, -1}) {
    Image ours(kWidth, kHeight, kWhite);
    FillBox(ours, 10, 10, step, step, 0);
    gdi_.CopyFrom(Image(kWidth, kHeight, kWhite));
    gdi_.WithPenAndBrush(0, [&](HDC dc) { Rectangle(dc, 10, 10, 10 + step, 10 + step); });
    const auto found = Differences(ours, gdi_.ToImage());
    ASSERT_EQ(found.size(), 1u);
    const int painted = step == 1 ? 10 : 9;
    EXPECT_EQ(ours.At(painted, painted), 0u);
  }
}

TEST_F(GdiOracleTest, PixelsInsideAndOutside) {
  Tally tally("PutPixel vs SetPixelV");
  for (int i = 0; i < 10000; ++i) {
    const int x = Between(-5, kWidth + 5), y = Between(-5, kHeight + 5);
    const Colour colour = AnyColour();
    Image ours(kWidth, kHeight, kWhite);
    PutPixel(ours, x, y, colour);
    gdi_.CopyFrom(Image(kWidth, kHeight, kWhite));
    SetPixelV(gdi_.Dc(), x, y, colour);
    tally.Compare(Describe("(", x, ",", y, ")"), ours, gdi_.ToImage());
  }
  EXPECT_EQ(tally.Differing(), 0);
}

// Fills over mazes of random lines, drawn by GDI so both sides start from the same pixels.
TEST_F(GdiOracleTest, FloodFillsOverLineMazesInBothModes) {
  Tally tally("FloodFill vs ExtFloodFill");
  const Colour palette[] = {Rgb(0, 0, 0), Rgb(255, 0, 0), Rgb(0, 128, 0), kWhite};
  for (int i = 0; i < 4000; ++i) {
    gdi_.CopyFrom(Image(kWidth, kHeight, palette[Between(0, 3)]));
    const int lines = Between(3, 40);
    std::ostringstream maze;
    for (int k = 0; k < lines; ++k) {
      const Colour colour = palette[Between(0, 3)];
      const int x1 = Between(-5, kWidth + 5), y1 = Between(-5, kHeight + 5);
      const int x2 = Between(-5, kWidth + 5), y2 = Between(-5, kHeight + 5);
      gdi_.WithPenAndBrush(colour, [&](HDC dc) {
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
      });
      maze << " " << std::hex << colour << std::dec << ":(" << x1 << "," << y1 << ")->(" << x2
           << "," << y2 << ")";
    }
    Image ours = gdi_.ToImage();
    const bool surface = i % 2 == 1;
    const int x = Between(-2, kWidth + 1), y = Between(-2, kHeight + 1);
    const Colour key = surface ? (ours.Contains(x, y) ? ours.At(x, y) : kWhite) : palette[Between(0, 3)];
    const Colour colour = palette[Between(0, 3)] ^ static_cast<Colour>(Between(0, 1));
    FloodFill(ours, x, y, surface ? FillMode::kSurface : FillMode::kBorder, key, colour);
    gdi_.WithPenAndBrush(colour, [&](HDC dc) {
      ExtFloodFill(dc, x, y, key, surface ? FLOODFILLSURFACE : FLOODFILLBORDER);
    });
    std::ostringstream the_case;
    the_case << (surface ? "surface" : "border") << " at (" << x << "," << y << ") key=" << std::hex
             << key << " colour=" << colour << " maze" << maze.str();
    tally.Compare(the_case.str(), ours, gdi_.ToImage());
  }
  EXPECT_EQ(tally.Differing(), 0);
}

}  // namespace
}  // namespace tarmaxion::win32
