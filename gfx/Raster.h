// The raster primitives, pixel for pixel as the classic Windows drawing interface paints them
// on a 32-bit bitmap. Every function clips to the image itself; callers may pass any int.
#pragma once

#include "gfx/Colour.h"
#include "gfx/Glyphs.h"
#include "gfx/Image.h"

namespace tarmaxion {

// Sets (x, y) when it lies inside the image.
void PutPixel(Image& image, int x, int y, Colour colour);

// Columns x .. x + width - 1 and rows y .. y + height - 1. A negative width or height extends
// left of x or above y and excludes column x or row y; 1 x 1 is one pixel; 0 paints nothing.
void FillBox(Image& image, int x, int y, int width, int height, Colour colour);

// The classic one-pixel line from (x1, y1) to (x2, y2), plus the end pixel, so both end points
// are painted. Clipping never changes which in-image pixels are set.
void DrawLine(Image& image, int x1, int y1, int x2, int y2, Colour colour);

enum class FillMode {
  kBorder,   // the region around (x, y) bounded by pixels of exactly `key`
  kSurface,  // the region around (x, y) having the colour `key`
};

// 4-connected, stops at the image edge; paints nothing when (x, y) lies outside the image or
// (x, y) itself is not part of the region. Iterative, with memory bounded by the image size.
void FloodFill(Image& image, int x, int y, FillMode mode, Colour key, Colour colour);

// Whether any pixel has exactly this colour. Every pixel is read; the loop has no early exit,
// which lets it vectorise.
bool HasColour(const Image& image, Colour colour);

// Fills the mask's text box at (x, y) with back, then paints every inked pixel in front, also
// those that overhang the box; clipped.
void DrawLabel(Image& image, int x, int y, const GlyphMask& mask, Colour front, Colour back);

}  // namespace tarmaxion
