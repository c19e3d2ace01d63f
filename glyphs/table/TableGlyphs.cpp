#include "glyphs/table/TableGlyphs.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/Encoding.h"

namespace tarmaxion {
namespace {

// Where each cell's rows start in the table's rows: the sums of the extents before it, worked
// out once, so the table need not carry them.
const std::vector<std::size_t>& RowStarts() {
  static const std::vector<std::size_t> starts = [] {
    std::vector<std::size_t> sums;
    sums.reserve(kCaptionGlyphTable.extents.size());
    std::size_t sum = 0;
    for (const GlyphExtent& extent : kCaptionGlyphTable.extents) {
      sums.push_back(sum);
      sum += extent.rows;
    }
    return sums;
  }();
  return starts;
}

std::vector<char32_t> CodePoints(const std::string& utf8) {
  std::vector<char32_t> code_points;
  for (std::size_t i = 0; i < utf8.size();) code_points.push_back(NextCodePoint(utf8, i));
  return code_points;
}

}  // namespace

std::size_t CellOf(const GlyphTable& table, char32_t c) {
  const auto after = std::upper_bound(table.runs.begin(), table.runs.end(), c,
                                      [](char32_t code_point, const GlyphRun& run) { return code_point < run.first; });
  if (after == table.runs.begin()) return table.box_cell;
  const GlyphRun& run = *(after - 1);
  if (c - run.first >= run.count) return table.box_cell;
  return std::size_t{run.first_cell} + (c - run.first);
}

bool TableGlyphs::LoadFont(int font_id, const Text&, int) {
  loaded_.insert(font_id);
  return true;
}

GlyphMask TableGlyphs::RenderText(int font_id, const ShownText& text) const {
  const GlyphTable& table = kCaptionGlyphTable;
  GlyphMask mask;
  if (!loaded_.contains(font_id) || text.Empty()) return mask;
  const std::vector<char32_t> characters = CodePoints(text.Utf8());
  const auto cell_width = static_cast<std::size_t>(table.width);
  const auto width = cell_width * characters.size();
  mask.width = static_cast<int>(width);
  mask.height = table.height;
  mask.ink.assign(width * static_cast<std::size_t>(mask.height), 0);
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const std::size_t cell = CellOf(table, characters[i]);
    const GlyphExtent extent = table.extents[cell];
    const std::uint8_t* pattern = table.rows.data() + RowStarts()[cell];
    std::uint8_t* line = mask.ink.data() + std::size_t{extent.top} * width + i * cell_width;
    for (std::size_t y = 0; y < extent.rows; ++y, line += width) {
      const unsigned bits = table.patterns[pattern[y]];
      for (std::size_t x = 0; x < cell_width; ++x) line[x] = static_cast<std::uint8_t>(bits >> x & 1U);
    }
  }
  return mask;
}

}  // namespace tarmaxion
