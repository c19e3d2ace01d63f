// The headless platform's fonts: a fixed deterministic font, or the glyphs of a real platform
// where a picture must show the window's letters. Either way the faces asked for are recorded.
#pragma once

#include <map>

#include "gfx/Glyphs.h"

namespace tarmaxion {

class HeadlessGlyphs : public GlyphSource {
 public:
  // Glyph cells of the deterministic font: every character is kGlyphWidth x kGlyphHeight.
  static constexpr int kGlyphWidth = 9;
  static constexpr int kGlyphHeight = 16;

  HeadlessGlyphs() = default;
  // Fonts are loaded into and glyphs rasterised by fonts, which must outlive this source;
  // nullptr keeps the deterministic font.
  explicit HeadlessGlyphs(GlyphSource* fonts) : external_fonts_(fonts) {}

  bool LoadFont(int font_id, const Text& face, int points) override;
  // The deterministic font draws one cell per Windows-1252 byte, so a name's characters that
  // code page lacks show as "?" cells.
  GlyphMask RenderText(int font_id, const ShownText& text) const override;
  void Forget() { faces_.clear(); }

  const std::map<int, Text>& Faces() const { return faces_; }

 private:
  std::map<int, Text> faces_;
  GlyphSource* external_fonts_ = nullptr;  // nullptr: the deterministic font
};

}  // namespace tarmaxion
