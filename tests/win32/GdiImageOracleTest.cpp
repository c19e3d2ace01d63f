// The text path against GDI: captions blitted by us from the platform's glyph masks and drawn
// by TextOut itself.
#include "tests/win32/GdiCanvas.h"

#include <array>
#include <random>
#include <vector>

#include "gfx/Raster.h"
#include "platform/win32/Win32Platform.h"

namespace tarmaxion::win32 {
namespace {

using oracle::Describe;
using oracle::GdiCanvas;
using oracle::kWhite;
using oracle::Tally;

// TextOut as the caption is drawn: current position, opaque cells, front on back. The font is
// named, and checked to be the one GDI chose, so the answer does not depend on which fonts a
// machine happens to offer in place of the caption's face. Its glyphs overhang their cells on
// both sides ("j" on the left; "/", "_" and hinted round letters on the right), which the
// masks must carry.
TEST(GdiImageOracleTest, CaptionsBlitAsTextOutDrawsThem) {
  constexpr int kWidth = 200;
  constexpr int kHeight = 40;
  const Text kFace = "DejaVu Sans";
  Win32Platform platform;
  ASSERT_TRUE(platform.Glyphs().LoadFont(1, kFace, 12));
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontA(height, 0, 0, 0,
                           FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           kFace.c_str());
  {
    GdiCanvas probe(1, 1);
    HGDIOBJ previous = SelectObject(probe.Dc(), font);
    std::array<char, LF_FACESIZE> chosen{};
    GetTextFaceA(probe.Dc(), static_cast<int>(chosen.size()), chosen.data());
    SelectObject(probe.Dc(), previous);
    ASSERT_EQ(Text(chosen.data()), kFace) << "install the font package that holds it";
  }
  std::mt19937 random(11);
  Tally tally("DrawLabel vs TextOut");
  for (int i = 0; i < 500; ++i) {
    Text text;
    const auto length = random() % 24 + 1;
    for (std::uint32_t k = 0; k < length; ++k) text.push_back(static_cast<char>(32 + random() % 95));
    const int x = static_cast<int>(random() % 240) - 40, y = static_cast<int>(random() % 60) - 20;
    const Colour front = random() & 0xFFFFFF, back = random() & 0xFFFFFF;

    Image ours(kWidth, kHeight, kWhite);
    DrawLabel(ours, x, y, platform.Glyphs().RenderText(1, text), front, back);

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
