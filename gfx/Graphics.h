// The image and drawing services: numbered image slots, one drawing pass at a time, and the
// drawing calls, which paint nothing outside a pass. This is what the preview draws through.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "gfx/Colour.h"
#include "gfx/Glyphs.h"
#include "gfx/Image.h"
#include "gfx/Raster.h"
#include "base/Text.h"

namespace tarmaxion {

class Graphics {
 public:
  static constexpr int kSlotCount = 4;

  explicit Graphics(const GlyphSource& glyphs) : glyphs_(glyphs) {}

  // The slot's image at this size, for the caller to paint whole: the image already there, with
  // its pixels, when it has this size, else a new black one. nullptr for a slot that does not
  // exist. Ends any drawing pass.
  Image* PrepareImage(int slot, int width, int height);
  bool ImageExists(int slot) const;
  // The image in slot, or nullptr.
  const Image* ImageAt(int slot) const;
  void ReleaseImages();

  // Opens a pass on the slot's image; false (and no pass) when the slot is empty.
  bool BeginDrawing(int slot);
  void EndDrawing();
  void SelectFont(int font_id) { font_id_ = font_id; }

  void PutPixel(int x, int y, Colour colour);
  void FillBox(int x, int y, int width, int height, Colour colour);
  void DrawLine(int x1, int y1, int x2, int y2, Colour colour);
  // kBorder fills the region around (x, y) bounded by `key`; kSurface the region of (x, y)'s
  // own colour, whatever key is.
  void FloodFill(int x, int y, FillMode mode, Colour key, Colour colour);
  // Empty text draws nothing.
  void DrawLabel(int x, int y, const ShownText& text, Colour front, Colour back);

 private:
  std::optional<Image>* Slot(int slot);

  const GlyphSource& glyphs_;
  std::array<std::optional<Image>, kSlotCount> images_;
  Image* target_ = nullptr;  // the image of the open pass
  int font_id_ = 0;
};

}  // namespace tarmaxion
