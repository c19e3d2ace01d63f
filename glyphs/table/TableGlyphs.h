// Caption glyphs from a table compiled into the program: one monospace cell per character of
// Latin, Greek and Cyrillic, rasterised from a free font when the program is built. A caption
// drawn with them looks the same on every machine and needs no font, display or GUI library at
// run time; the web page and trkconv both draw with them.
#pragma once

#include <cstdint>
#include <set>
#include <span>

#include "gfx/Glyphs.h"

namespace tarmaxion {

// Consecutive code points from first, count of them, whose cells follow one another from
// first_cell on.
struct GlyphRun {
  char32_t first;
  std::uint16_t count;
  std::uint16_t first_cell;
};

// The rows of a cell that may ink, [top, top + rows); the others are blank.
struct GlyphExtent {
  std::uint8_t top;
  std::uint8_t rows;
};

struct GlyphTable {
  int width;   // the advance of every cell, at most 16
  int height;  // ascent plus descent
  std::span<const GlyphRun> runs;  // in code point order, apart from one another
  std::span<const GlyphExtent> extents;  // one a cell
  // The distinct rows of all cells; bit x is the pixel x columns in.
  std::span<const std::uint16_t> patterns;
  // The rows of each cell's extent, one cell after the other, as indexes into patterns.
  std::span<const std::uint8_t> rows;
  // The cell drawn for a character the table lacks: the font's box.
  std::uint16_t box_cell;
};

// Written into the build folder by tools/glyph-table/MakeGlyphTable.py.
extern const GlyphTable kCaptionGlyphTable;

// The cell of code point c, or the box cell when the table has none.
std::size_t CellOf(const GlyphTable& table, char32_t c);

// Every font a caller loads is the table's font: there is that one face at that one size.
class TableGlyphs : public GlyphSource {
 public:
  bool LoadFont(int font_id, const Text& face, int points) override;
  // The text's characters in code points, each drawn in its cell.
  GlyphMask RenderText(int font_id, const ShownText& text) const override;

 private:
  std::set<int> loaded_;
};

}  // namespace tarmaxion
