// PutPixel, FillBox and DrawLabel: every one clips its box to the image once, then writes whole
// row spans without further checks.
#include "gfx/Raster.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tarmaxion {
namespace {

// The cells [first, end) of one axis that lie inside [0, limit).
struct AxisSpan {
  int first = 0;
  int end = 0;

  bool Empty() const { return first >= end; }
};

// The cells of a box side that starts at origin and is size cells long; a negative size lies
// before origin and leaves origin out. 64-bit sums, so no int input can wrap.
AxisSpan ClipBoxSide(int origin, int size, int limit) {
  std::int64_t from = origin;
  std::int64_t to = std::int64_t{origin} + size;
  if (size < 0) std::swap(from, to);
  from = std::max<std::int64_t>(from, 0);
  to = std::min<std::int64_t>(to, limit);
  if (from >= to) return {};
  return {static_cast<int>(from), static_cast<int>(to)};
}

}  // namespace

void PutPixel(Image& image, int x, int y, Colour colour) {
  if (image.Contains(x, y)) image.Set(x, y, colour);
}

void FillBox(Image& image, int x, int y, int width, int height, Colour colour) {
  const AxisSpan columns = ClipBoxSide(x, width, image.Width());
  const AxisSpan rows = ClipBoxSide(y, height, image.Height());
  if (columns.Empty() || rows.Empty()) return;
  // Both spans lie inside the image now.
  for (int row = rows.first; row < rows.end; ++row) {
    Colour* const line = image.Row(row);
    std::fill(line + columns.first, line + columns.end, colour);
  }
}

bool HasColour(const Image& image, Colour colour) {
  // A 32-bit flag per lane, not a count, keeps every step of the loop at the pixels' own width.
  std::uint32_t found = 0;
  for (const Colour pixel : image.Pixels()) found |= pixel == colour ? 1u : 0u;
  return found != 0;
}

void DrawLabel(Image& image, int x, int y, const GlyphMask& mask, Colour front, Colour back) {
  if (mask.width <= 0 || mask.height <= 0) return;
  const auto mask_width = static_cast<std::size_t>(mask.width);
  // A mask whose ink does not cover it, or whose box does not lie inside it, is malformed;
  // drawing it would read past the ink.
  if (mask.ink.size() / mask_width < static_cast<std::size_t>(mask.height)) return;
  const Overhang& over = mask.overhang;
  if (std::min({over.left, over.top, over.right, over.bottom, mask.BoxWidth(), mask.BoxHeight()}) < 0) return;
  // The background covers the box only; ink that overhangs it lands on the picture around.
  FillBox(image, x, y, mask.BoxWidth(), mask.BoxHeight(), back);
  const int left = x - over.left;
  const int top = y - over.top;
  const AxisSpan columns = ClipBoxSide(left, mask.width, image.Width());
  const AxisSpan rows = ClipBoxSide(top, mask.height, image.Height());
  if (columns.Empty() || rows.Empty()) return;
  // Both spans lie inside the image and, shifted by (left, top), inside the mask.
  for (int row = rows.first; row < rows.end; ++row) {
    const std::uint8_t* const ink = mask.ink.data() + static_cast<std::size_t>(row - top) * mask_width;
    Colour* const line = image.Row(row);
    for (int column = columns.first; column < columns.end; ++column) {
      if (ink[column - left] != 0) line[column] = front;
    }
  }
}

}  // namespace tarmaxion
