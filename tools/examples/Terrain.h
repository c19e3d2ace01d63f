// A 512 x 512 landmap painted with simple shapes and packed into run words, for the example
// tracks. Cells are addressed as the track stores them: column from the left, row from the
// bottom. Integer arithmetic only, so every compiler writes the same files.
#pragma once

#include <cstdint>
#include <vector>

namespace tarmaxion::examples {

class Terrain {
 public:
  static constexpr int kSide = 512;

  explicit Terrain(std::uint8_t ground);

  // Cells with left <= column < right and bottom <= row < top.
  void Box(int left, int bottom, int right, int top, std::uint8_t code);
  // Cells inside the ellipse around (column, row) with the given radii.
  void Ellipse(int column, int row, int radius_x, int radius_y, std::uint8_t code);
  // Cells inside the outer ellipse and outside the inner one.
  void Ring(int column, int row, int outer_x, int outer_y, int inner_x, int inner_y, std::uint8_t code);
  // Inside the box, cells alternate between two codes in squares of the given size.
  void Checker(int left, int bottom, int right, int top, int square, std::uint8_t first, std::uint8_t second);

  // Run words of at most 4095 cells each, covering the map exactly, bottom row first.
  std::vector<std::uint16_t> RunWords() const;

 private:
  static bool InEllipse(int dx, int dy, int radius_x, int radius_y);
  void Put(int column, int row, std::uint8_t code);

  std::vector<std::uint8_t> cells_;
};

}  // namespace tarmaxion::examples
