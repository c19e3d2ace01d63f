#include "ui/Raster.h"

namespace tarmaxion {

// Placeholder bodies until the exact raster lands.
void PutPixel(Image& image, int x, int y, Colour colour) {
  if (image.Contains(x, y)) image.Set(x, y, colour);
}
void FillBox(Image&, int, int, int, int, Colour) {}
void DrawLine(Image&, int, int, int, int, Colour) {}
void FloodFill(Image&, int, int, FillMode, Colour, Colour) {}
void DrawLabel(Image&, int, int, const GlyphMask&, Colour, Colour) {}

}  // namespace tarmaxion
