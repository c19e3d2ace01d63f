// Fonts and glyph rasterising: GDI draws the text black on white into a 32-bit DIB section
// without antialiasing, and every non-white pixel becomes ink.
#include "platform/win32/Win32Glyphs.h"

#include <algorithm>
#include <cstdint>

#include "system/win32/DibPixels.h"
#include "system/win32/WideText.h"

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

// A box of canvas pixels, [left, right) x [top, bottom).
struct InkBox {
  int left;
  int top;
  int right;
  int bottom;
};

bool Inked(std::uint32_t pixel) { return (pixel & kWhite) != kWhite; }

// The smallest part of the canvas that holds the text box and every inked pixel, as a mask
// whose overhang tells where the text box lies in it.
GlyphMask CutMask(const std::uint32_t* pixels, int canvas_width, int canvas_height, const InkBox& text_box) {
  InkBox cut = text_box;
  for (int y = 0; y < canvas_height; ++y) {
    for (int x = 0; x < canvas_width; ++x) {
      if (!Inked(pixels[y * canvas_width + x])) continue;
      cut = {std::min(cut.left, x), std::min(cut.top, y), std::max(cut.right, x + 1), std::max(cut.bottom, y + 1)};
    }
  }
  GlyphMask mask;
  mask.width = cut.right - cut.left;
  mask.height = cut.bottom - cut.top;
  mask.overhang = {text_box.left - cut.left, text_box.top - cut.top, cut.right - text_box.right,
                   cut.bottom - text_box.bottom};
  mask.ink.reserve(static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height));
  for (int y = cut.top; y < cut.bottom; ++y) {
    for (int x = cut.left; x < cut.right; ++x) mask.ink.push_back(Inked(pixels[y * canvas_width + x]) ? 1 : 0);
  }
  return mask;
}

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

GlyphMask Win32Glyphs::RenderText(int font_id, const ShownText& shown) const {
  const auto font = fonts_.find(font_id);
  if (font == fonts_.end() || shown.Empty()) return {};
  const std::string text = shown.Spelled([](const std::string& utf8) { return AnsiFromUtf8(utf8); });

  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous_font = SelectObject(dc, font->second);
  SIZE extent{};
  TEXTMETRICA metrics{};
  const int length = static_cast<int>(text.size());
  GlyphMask mask;
  if (GetTextExtentPoint32A(dc, text.c_str(), length, &extent) && GetTextMetricsA(dc, &metrics) &&
      extent.cx > 0 && metrics.tmHeight > 0) {
    // The ink may reach past the text box (negative bearings, and hinted outlines a column wider
    // than their widths say), and TextOut paints it there; a margin of a whole line height on
    // every side catches it, and the mask keeps what arrived.
    const int margin = metrics.tmHeight;
    const InkBox box = {margin, margin, margin + extent.cx, margin + metrics.tmHeight};
    const int canvas_width = extent.cx + 2 * margin;
    const int canvas_height = metrics.tmHeight + 2 * margin;
    TextCanvas canvas(dc, canvas_width, canvas_height);
    if (canvas.Pixels() != nullptr) {
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkMode(dc, TRANSPARENT);
      SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
      TextOutA(dc, margin, margin, text.c_str(), length);
      GdiFlush();
      mask = CutMask(canvas.Pixels(), canvas_width, canvas_height, box);
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
