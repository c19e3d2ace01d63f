// The rotated rectangle that marks a placed object: 2A wide across its heading and 2B long
// along it, centred on the object's map position.
#pragma once

#include <cstdint>

#include "gfx/Colour.h"
#include "gfx/Graphics.h"

namespace tarmaxion {

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// Q1, Q2 are the front corners, Q3, Q4 the back ones (Q1 and Q3 on one long side).
struct MarkerCorners {
  PixelPoint q1, q2, q3, q4;
  bool operator==(const MarkerCorners&) const = default;
};

// Heading counts 244 units to a full turn; heading 0 points right, 61 down, 122 left, 183 up
// (each to within 0.1 degree). The working values are single precision and the corners are
// truncated toward zero, which fixes the exact pixels the outline lands on.
MarkerCorners MarkerRectangle(int column, int row, std::uint8_t heading, int half_width,
                              int half_length);

// The four edges: front Q1-Q2, back Q3-Q4, then the long sides Q1-Q3 and Q2-Q4.
void DrawMarkerRectangle(Graphics& graphics, const MarkerCorners& corners, Colour colour);

}  // namespace tarmaxion
