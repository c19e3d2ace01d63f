// Glyphs rasterised by Qt: the window's caption font, without antialiasing, as GlyphSource
// masks. Needs only Qt GUI, so a program without widgets (trkconv) draws the window's letters
// too. A QGuiApplication must exist before the first call.
#pragma once

#include <QFont>
#include <map>

#include "gfx/Glyphs.h"

namespace tarmaxion {

// Font height in pixels for a point size on the primary screen, rounded as the classic MulDiv
// does (96 dots per inch where there is no screen).
int PixelSizeForPoints(int points);

class QtGlyphs : public GlyphSource {
 public:
  bool LoadFont(int font_id, const Text& face, int points) override;
  GlyphMask RenderText(int font_id, const ShownText& text) const override;
  void ReleaseFonts() { fonts_.clear(); }

 private:
  std::map<int, QFont> fonts_;
};

}  // namespace tarmaxion
