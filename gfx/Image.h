// A true-colour image that stores exactly the Colour values drawn on it, row by row from the
// top; backends show it through Row() and Pitch() without copying where they can.
#pragma once

#include <cassert>
#include <cstddef>
#include <span>
#include <vector>

#include "gfx/Colour.h"

namespace tarmaxion {

class Image {
 public:
  Image(int width, int height, Colour fill = 0)
      : width_(width), height_(height), pixels_(Count(width, height), fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Colours per row; rows follow each other without padding.
  std::size_t Pitch() const { return static_cast<std::size_t>(width_); }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Callers keep 0 <= y < Height(); the raster clips before it gets here.
  Colour* Row(int y) { return pixels_.data() + Index(0, y); }
  const Colour* Row(int y) const { return pixels_.data() + Index(0, y); }
  Colour At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, Colour c) { pixels_[Index(x, y)] = c; }

  std::span<Colour> Pixels() { return pixels_; }
  std::span<const Colour> Pixels() const { return pixels_; }

 private:
  static std::size_t Count(int width, int height) {
    return width > 0 && height > 0 ? static_cast<std::size_t>(width) * static_cast<std::size_t>(height)
                                   : 0;
  }
  std::size_t Index(int x, int y) const {
    assert(Contains(x, y));
    return static_cast<std::size_t>(y) * Pitch() + static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Colour> pixels_;
};

}  // namespace tarmaxion
