// Images seen as sets of (x, y) pixels, so raster tests can state and compare what was painted.
#pragma once

#include <set>
#include <utility>

#include "gfx/Image.h"

namespace tarmaxion::testing {

using Pixel = std::pair<int, int>;  // (x, y)
using PixelSet = std::set<Pixel>;

// The pixels of colour inside the window at (left, top), given relative to the window.
inline PixelSet PixelsOfColourIn(const Image& image, Colour colour, int left, int top, int width,
                                 int height) {
  PixelSet pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (image.At(left + x, top + y) == colour) pixels.insert({x, y});
    }
  }
  return pixels;
}

inline PixelSet PixelsOfColour(const Image& image, Colour colour) {
  return PixelsOfColourIn(image, colour, 0, 0, image.Width(), image.Height());
}

}  // namespace tarmaxion::testing
