// The image and text paths against GDI: 8-bit BMP images converted by us and by SetDIBits, and
// captions blitted by us from the platform's glyph masks and drawn by TextOut itself.
#include "tests/win32/GdiCanvas.h"

#include <random>
#include <vector>

#include "ui/Bmp.h"
#include "ui/Raster.h"
#include "ui/win32/Win32Platform.h"

namespace tarmaxion::win32 {
namespace {

using oracle::Describe;
using oracle::GdiCanvas;
using oracle::kWhite;
using oracle::Tally;

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = static_cast<std::uint8_t>(v);
  out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  Put16(out, at, v);
  Put16(out, at + 2, v >> 16);
}

// A BMP file image: 8 bits a pixel, a colour table of `colours` entries (0 meaning 256 in
// the header, as the map template has it), rows bottom-up unless top_down.
struct RandomBmp {
  int width;
  int height;
  bool top_down;
  std::uint32_t colours;  // biClrUsed
  std::vector<std::uint8_t> bytes;
};

RandomBmp MakeBmp(std::mt19937& random) {
  RandomBmp bmp{};
  bmp.width = static_cast<int>(random() % 40) + 1;
  bmp.height = static_cast<int>(random() % 30) + 1;
  bmp.top_down = random() % 4 == 0;
  bmp.colours = random() % 3 == 0 ? 0 : random() % 256 + 1;
  const std::size_t entries = bmp.colours == 0 ? 256 : bmp.colours;
  const std::size_t stride = (static_cast<std::size_t>(bmp.width) + 3) & ~std::size_t{3};
  const std::size_t offset = 14 + 40 + 4 * entries;
  bmp.bytes.assign(offset + stride * static_cast<std::size_t>(bmp.height), 0);
  bmp.bytes[0] = 'B';
  bmp.bytes[1] = 'M';
  Put32(bmp.bytes, 2, static_cast<std::uint32_t>(bmp.bytes.size()));
  Put32(bmp.bytes, 10, static_cast<std::uint32_t>(offset));
  Put32(bmp.bytes, 14, 40);
  Put32(bmp.bytes, 18, static_cast<std::uint32_t>(bmp.width));
  Put32(bmp.bytes, 22, static_cast<std::uint32_t>(bmp.top_down ? -bmp.height : bmp.height));
  Put16(bmp.bytes, 26, 1);
  Put16(bmp.bytes, 28, 8);
  Put32(bmp.bytes, 46, bmp.colours);
  for (std::size_t i = 54; i < bmp.bytes.size(); ++i) {
    bmp.bytes[i] = static_cast<std::uint8_t>(random());
  }
  for (std::size_t e = 0; e < entries; ++e) bmp.bytes[54 + 4 * e + 3] = 0;  // reserved byte
  return bmp;
}

TEST(GdiImageOracleTest, EightBitBmpsConvertAsSetDIBitsDoes) {
  std::mt19937 random(7);
  Tally tally("ImageFromBmp vs SetDIBits");
  for (int i = 0; i < 2000; ++i) {
    const RandomBmp bmp = MakeBmp(random);
    const auto ours = ImageFromBmp(bmp.bytes);
    ASSERT_TRUE(ours.has_value());
    GdiCanvas gdi(bmp.width, bmp.height);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(bmp.bytes.data() + 14);
    const std::uint32_t offset = bmp.bytes[10] | bmp.bytes[11] << 8;
    // The bitmap must not be selected while SetDIBits writes it.
    HBITMAP placeholder = CreateCompatibleBitmap(gdi.Dc(), 1, 1);
    SelectObject(gdi.Dc(), placeholder);
    SetDIBits(gdi.Dc(), gdi.Bitmap(), 0, static_cast<UINT>(bmp.height), bmp.bytes.data() + offset,
              info, DIB_RGB_COLORS);
    SelectObject(gdi.Dc(), gdi.Bitmap());
    DeleteObject(placeholder);
    tally.Compare(Describe(bmp.width, "x", bmp.height, bmp.top_down ? " top-down" : " bottom-up",
                           " colours=", bmp.colours),
                  *ours, gdi.ToImage());
  }
  EXPECT_EQ(tally.Differing(), 0);
}

// TextOut as the caption is drawn: current position, opaque cells, front on back.
TEST(GdiImageOracleTest, CaptionsBlitAsTextOutDrawsThem) {
  constexpr int kWidth = 200;
  constexpr int kHeight = 40;
  Win32Platform platform;
  ASSERT_TRUE(platform.LoadFont(1, "Lucida Console", 12));
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontA(height, 0, 0, 0,
                           FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           "Lucida Console");
  std::mt19937 random(11);
  Tally tally("DrawLabel vs TextOut");
  for (int i = 0; i < 500; ++i) {
    Text text;
    const auto length = random() % 24 + 1;
    for (std::uint32_t k = 0; k < length; ++k) text.push_back(static_cast<char>(32 + random() % 95));
    const int x = static_cast<int>(random() % 240) - 40, y = static_cast<int>(random() % 60) - 20;
    const Colour front = random() & 0xFFFFFF, back = random() & 0xFFFFFF;

    Image ours(kWidth, kHeight, kWhite);
    DrawLabel(ours, x, y, platform.RenderText(1, text), front, back);

    GdiCanvas gdi(kWidth, kHeight);
    gdi.CopyFrom(Image(kWidth, kHeight, kWhite));
    HGDIOBJ previous = SelectObject(gdi.Dc(), font);
    SetTextAlign(gdi.Dc(), TA_UPDATECP);
    SetBkMode(gdi.Dc(), OPAQUE);
    SetTextColor(gdi.Dc(), front);
    SetBkColor(gdi.Dc(), back);
    MoveToEx(gdi.Dc(), x, y, nullptr);
    TextOutA(gdi.Dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
    SelectObject(gdi.Dc(), previous);
    tally.Compare(Describe("\"", text, "\" at (", x, ",", y, ")"), ours, gdi.ToImage());
  }
  DeleteObject(font);
  EXPECT_EQ(tally.Differing(), 0);
}

}  // namespace
}  // namespace tarmaxion::win32
