// Text as ink: the platform rasterises a string in a loaded font, the portable raster blits it.
#pragma once

#include <cstdint>
#include <vector>

#include "base/ShownText.h"
#include "base/Text.h"

namespace tarmaxion {

// Where a glyph's ink reaches past the text box, in pixels on each side; a glyph with a negative
// bearing ("j" on the left, "/" on the right) inks a column or two beyond its advance.
struct Overhang {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The cells of a whole string: width x height, one byte per pixel, nonzero where a glyph inks.
// The text box (the opaque background: the sum of the advances wide, ascent plus descent high)
// is the mask less its overhang; the pen position is the box's top-left corner.
struct GlyphMask {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> ink;  // row by row from the top, width bytes a row
  Overhang overhang;

  int BoxWidth() const { return width - overhang.left - overhang.right; }
  int BoxHeight() const { return height - overhang.top - overhang.bottom; }
  bool InkAt(int x, int y) const {
    return ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x)] != 0;
  }
};

class GlyphSource {
 public:
  virtual ~GlyphSource() = default;
  // Loads a font into slot font_id; false when the platform cannot make it.
  virtual bool LoadFont(int font_id, const Text& face, int points) = 0;
  // Rasterises text in a loaded font without antialiasing; an empty mask for an unknown font.
  // Each source spells the text as its fonts take it: in code points, or in an 8-bit code page.
  virtual GlyphMask RenderText(int font_id, const ShownText& text) const = 0;
};

// No fonts at all: every text renders as an empty mask, so labels draw nothing.
class NoGlyphs : public GlyphSource {
 public:
  bool LoadFont(int, const Text&, int) override { return false; }
  GlyphMask RenderText(int, const ShownText&) const override { return {}; }
};

}  // namespace tarmaxion
