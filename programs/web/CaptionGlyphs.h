// The page's caption font: one monospace cell per Windows-1252 byte, rasterised from a free font
// when the page is built, so a caption looks the same in every browser and needs no font file.
#pragma once

#include <array>
#include <cstdint>
#include <set>

#include "gfx/Glyphs.h"

namespace tarmaxion::web {

struct GlyphTable {
  static constexpr int kCells = 0x100 - 0x20;
  static constexpr int kMaxHeight = 32;
  int width = 0;       // the advance of every cell, at most 16
  int height = 0;      // ascent plus descent
  int first_byte = 0;  // the byte of the first cell; bytes below it draw as empty cells
  // Rows of the cells one after the other, height rows a cell; bit x is the pixel x columns in.
  std::array<std::uint16_t, static_cast<std::size_t>(kCells * kMaxHeight)> rows{};
};

// Written into the build folder by tools/web-glyphs/MakeGlyphTable.py.
extern const GlyphTable kCaptionGlyphTable;

// Every font a caller loads is the table's font: the page has that one face at that one size.
class CaptionGlyphs : public GlyphSource {
 public:
  bool LoadFont(int font_id, const Text& face, int points) override;
  GlyphMask RenderText(int font_id, const Text& text) const override;

 private:
  std::set<int> loaded_;
};

}  // namespace tarmaxion::web
