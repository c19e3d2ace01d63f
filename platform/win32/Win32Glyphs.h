// Glyphs rasterised by GDI: the window's fonts without antialiasing, as GlyphSource masks.
// Needs no window, so a program without one (trkconv) draws the window's letters too.
#pragma once

#include <windows.h>

#include <map>

#include "gfx/Glyphs.h"

namespace tarmaxion::win32 {

class Win32Glyphs : public GlyphSource {
 public:
  Win32Glyphs() = default;
  ~Win32Glyphs() override;
  Win32Glyphs(const Win32Glyphs&) = delete;
  Win32Glyphs& operator=(const Win32Glyphs&) = delete;

  bool LoadFont(int font_id, const Text& face, int points) override;
  // GDI's "A" calls draw in the system's ANSI code page: track texts go as their bytes, names
  // are spelled in that code page.
  GlyphMask RenderText(int font_id, const ShownText& text) const override;
  void ReleaseFonts();

 private:
  std::map<int, HFONT> fonts_;
};

}  // namespace tarmaxion::win32
