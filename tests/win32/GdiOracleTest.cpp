// Our raster against GDI itself: the same random primitives drawn by both on a 32-bit DIB
// section must leave identical pixels. Under Wine its DIB engine is the oracle.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "ui/Raster.h"
#include "ui/win32/DibPixels.h"

namespace tarmaxion::win32 {
namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr int kReportedCases = 5;  // cases described in full when they differ

// A memory device context with a top-down 32-bit DIB section selected.
class GdiCanvas {
 public:
  GdiCanvas() : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~GdiCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC Dc() const { return dc_; }

  void CopyFrom(const Image& image) {
    GdiFlush();
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) bits_[y * kWidth + x] = SwapRedBlue(image.At(x, y));
    }
  }
  Image ToImage() const {
    GdiFlush();
    Image image(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) image.Set(x, y, SwapRedBlue(bits_[y * kWidth + x]));
    }
    return image;
  }

  // Runs draw with a pen and a solid brush of the colour selected.
  void WithPenAndBrush(Colour colour, const std::function<void(HDC)>& draw) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old_pen = SelectObject(dc_, pen);
    HGDIOBJ old_brush = SelectObject(dc_, brush);
    draw(dc_);
    SelectObject(dc_, old_pen);
    SelectObject(dc_, old_brush);
    DeleteObject(pen);
    DeleteObject(brush);
  }

 private:
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// "(x,y) ours=0x... gdi=0x..." for every pixel where the images differ.
std::vector<std::string> Differences(const Image& ours, const Image& gdi) {
  std::vector<std::string> found;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (ours.At(x, y) == gdi.At(x, y)) continue;
      char text[64];
      std::snprintf(text, sizeof(text), "(%d,%d) ours=%06X gdi=%06X", x, y, ours.At(x, y),
                    gdi.At(x, y));
      found.emplace_back(text);
    }
  }
  return found;
}

// The parts written one after another: the text of a case for a failure message.
template <typename... Parts>
std::string Describe(const Parts&... parts) {
  std::ostringstream text;
  (text << ... << parts);
  return text.str();
}

// Counts cases and differing cases, and describes the first few that differ.
class Tally {
 public:
  explicit Tally(std::string what) : what_(std::move(what)) {}
  ~Tally() {
    std::printf("[ oracle   ] %s: %d compared, %d differing\n", what_.c_str(), compared_, differing_);
  }
  void Compare(const std::string& the_case, const Image& ours, const Image& gdi) {
    ++compared_;
    const auto found = Differences(ours, gdi);
    if (found.empty()) return;
    if (++differing_ > kReportedCases) return;
    std::ostringstream message;
    message << what_ << " " << the_case << ": " << found.size() << " pixels differ:";
    for (const auto& pixel : found) message << "\n  " << pixel;
    ADD_FAILURE() << message.str();
  }
  int Differing() const { return differing_; }

 private:
  std::string what_;
  int compared_ = 0;
  int differing_ = 0;
};

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
  GdiCanvas gdi_;
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
