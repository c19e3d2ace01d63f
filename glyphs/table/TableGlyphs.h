// Caption glyphs from a table compiled into the program: one monospace cell per Windows-1252
// byte, rasterised from a free font when the program is built. A caption drawn with them looks
// the same on every machine and needs no font, display or GUI library at run time; the web page
// and trkconv both draw with them.
#pragma once

#include <array>
#include <cstdint>
#include <set>

#include "gfx/Glyphs.h"

namespace tarmaxion {

struct GlyphTable {
  static constexpr int kCells = 0x100 - 0x20;
  static constexpr int kMaxHeight = 32;
  int width = 0;       // the advance of every cell, at most 16
  int height = 0;      // ascent plus descent
  int first_byte = 0;  // the byte of the first cell; bytes below it draw as empty cells
  // Rows of the cells one after the other, height rows a cell; bit x is the pixel x columns in.
  std::array<std::uint16_t, static_cast<std::size_t>(kCells * kMaxHeight)> rows{};
};

// Written into the build folder by tools/glyph-table/MakeGlyphTable.py.
extern const GlyphTable kCaptionGlyphTable;

// Every font a caller loads is the table's font: there is that one face at that one size.
class TableGlyphs : public GlyphSource {
 public:
  bool LoadFont(int font_id, const Text& face, int points) override;
  GlyphMask RenderText(int font_id, const Text& text) const override;

 private:
  std::set<int> loaded_;
};

}  // namespace tarmaxion
