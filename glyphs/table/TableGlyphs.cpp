#include "glyphs/table/TableGlyphs.h"

namespace tarmaxion {

bool TableGlyphs::LoadFont(int font_id, const Text&, int) {
  loaded_.insert(font_id);
  return true;
}

GlyphMask TableGlyphs::RenderText(int font_id, const Text& text) const {
  const GlyphTable& table = kCaptionGlyphTable;
  GlyphMask mask;
  if (!loaded_.contains(font_id) || text.empty()) return mask;
  mask.width = table.width * static_cast<int>(text.size());
  mask.height = table.height;
  const auto width = static_cast<std::size_t>(mask.width);
  mask.ink.assign(width * static_cast<std::size_t>(mask.height), 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int byte = static_cast<unsigned char>(text[i]);
    if (byte < table.first_byte) continue;
    const auto cell = static_cast<std::size_t>((byte - table.first_byte) * table.height);
    const std::size_t left = i * static_cast<std::size_t>(table.width);
    for (std::size_t y = 0; y < static_cast<std::size_t>(table.height); ++y) {
      const unsigned bits = table.rows[cell + y];
      for (std::size_t x = 0; x < static_cast<std::size_t>(table.width); ++x) {
        if ((bits >> x & 1U) != 0) mask.ink[y * width + left + x] = 1;
      }
    }
  }
  return mask;
}

}  // namespace tarmaxion
