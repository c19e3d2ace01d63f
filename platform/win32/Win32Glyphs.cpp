// Fonts and glyph rasterising: GDI draws the text black on white into a 32-bit DIB section
// without antialiasing, and every non-white pixel becomes ink.
#include "platform/win32/Win32Glyphs.h"

#include <cstdint>

#include "platform/win32/DibPixels.h"

namespace tarmaxion::win32 {
namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;

// A device context with a top-down 32-bit DIB section of the given size selected, white.
class TextCanvas {
 public:
  TextCanvas(HDC dc, int width, int height) : dc_(dc) {
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr) return;
    pixels_ = static_cast<const std::uint32_t*>(bits);
    previous_ = SelectObject(dc, bitmap_);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
  }
  ~TextCanvas() {
    if (bitmap_ == nullptr) return;
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
  }
  TextCanvas(const TextCanvas&) = delete;
  TextCanvas& operator=(const TextCanvas&) = delete;

  // Null when the bitmap could not be made; valid after GdiFlush.
  const std::uint32_t* Pixels() const { return pixels_; }

 private:
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const std::uint32_t* pixels_ = nullptr;
};

}  // namespace

Win32Glyphs::~Win32Glyphs() { ReleaseFonts(); }

bool Win32Glyphs::LoadFont(int font_id, const Text& face, int points) {
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (font == nullptr) return false;
  if (auto it = fonts_.find(font_id); it != fonts_.end()) DeleteObject(it->second);
  fonts_[font_id] = font;
  return true;
}

GlyphMask Win32Glyphs::RenderText(int font_id, const Text& text) const {
  GlyphMask mask;
  const auto font = fonts_.find(font_id);
  if (font == fonts_.end() || text.empty()) return mask;

  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous_font = SelectObject(dc, font->second);
  SIZE extent{};
  TEXTMETRICA metrics{};
  const int length = static_cast<int>(text.size());
  if (GetTextExtentPoint32A(dc, text.c_str(), length, &extent) && GetTextMetricsA(dc, &metrics) &&
      extent.cx > 0 && metrics.tmHeight > 0) {
    TextCanvas canvas(dc, extent.cx, metrics.tmHeight);
    if (canvas.Pixels() != nullptr) {
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      SetBkMode(dc, OPAQUE);
      SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
      TextOutA(dc, 0, 0, text.c_str(), length);
      GdiFlush();
      mask.width = extent.cx;
      mask.height = metrics.tmHeight;
      const auto count = static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height);
      mask.ink.resize(count);
      for (std::size_t i = 0; i < count; ++i) mask.ink[i] = (canvas.Pixels()[i] & kWhite) != kWhite;
    }
  }
  SelectObject(dc, previous_font);
  DeleteDC(dc);
  return mask;
}

void Win32Glyphs::ReleaseFonts() {
  for (auto& [id, font] : fonts_) DeleteObject(font);
  fonts_.clear();
}

}  // namespace tarmaxion::win32
