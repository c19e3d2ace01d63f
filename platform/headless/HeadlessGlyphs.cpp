#include "platform/headless/HeadlessGlyphs.h"

namespace tarmaxion {

bool HeadlessGlyphs::LoadFont(int font_id, const Text& face, int points) {
  faces_[font_id] = face;
  return external_fonts_ == nullptr || external_fonts_->LoadFont(font_id, face, points);
}

// Each character is a box outline with the character's bits as a row pattern inside, so every
// byte has its own recognisable cell and tests can predict each pixel.
GlyphMask HeadlessGlyphs::RenderText(int font_id, const ShownText& shown) const {
  if (external_fonts_ != nullptr) return external_fonts_->RenderText(font_id, shown);
  GlyphMask mask;
  const Text text = shown.Windows1252();
  if (faces_.count(font_id) == 0 || text.empty()) return mask;
  mask.width = kGlyphWidth * static_cast<int>(text.size());
  mask.height = kGlyphHeight;
  mask.ink.assign(static_cast<std::size_t>(mask.width * mask.height), 0);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto bits = static_cast<unsigned char>(text[i]);
    const int left = static_cast<int>(i) * kGlyphWidth;
    for (int y = 2; y < 12; ++y) {
      for (int x = 1; x < 8; ++x) {
        const bool edge = y == 2 || y == 11 || x == 1 || x == 7;
        const bool pattern = y >= 3 && y <= 10 && x >= 2 && x <= 6 && ((bits >> (y - 3)) & 1u);
        if (edge || pattern) mask.ink[static_cast<std::size_t>(y * mask.width + left + x)] = 1;
      }
    }
  }
  return mask;
}

}  // namespace tarmaxion
