#include "tools/examples/Terrain.h"

#include <algorithm>

namespace tarmaxion::examples {

Terrain::Terrain(std::uint8_t ground) : cells_(static_cast<std::size_t>(kSide) * kSide, ground) {}

void Terrain::Put(int column, int row, std::uint8_t code) {
  if (column < 0 || row < 0 || column >= kSide || row >= kSide) return;
  cells_[static_cast<std::size_t>(row) * kSide + static_cast<std::size_t>(column)] = code;
}

void Terrain::Box(int left, int bottom, int right, int top, std::uint8_t code) {
  for (int row = bottom; row < top; ++row) {
    for (int column = left; column < right; ++column) Put(column, row, code);
  }
}

bool Terrain::InEllipse(int dx, int dy, int radius_x, int radius_y) {
  const long long rx = radius_x;
  const long long ry = radius_y;
  return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

void Terrain::Ellipse(int column, int row, int radius_x, int radius_y, std::uint8_t code) {
  Ring(column, row, radius_x, radius_y, 0, 0, code);
}

void Terrain::Ring(int column, int row, int outer_x, int outer_y, int inner_x, int inner_y, std::uint8_t code) {
  for (int dy = -outer_y; dy <= outer_y; ++dy) {
    for (int dx = -outer_x; dx <= outer_x; ++dx) {
      const bool inside_inner = inner_x > 0 && inner_y > 0 && InEllipse(dx, dy, inner_x, inner_y);
      if (InEllipse(dx, dy, outer_x, outer_y) && !inside_inner) Put(column + dx, row + dy, code);
    }
  }
}

void Terrain::Checker(int left, int bottom, int right, int top, int square, std::uint8_t first,
                      std::uint8_t second) {
  for (int row = bottom; row < top; ++row) {
    for (int column = left; column < right; ++column) {
      Put(column, row, (column / square + row / square) % 2 == 0 ? first : second);
    }
  }
}

std::vector<std::uint16_t> Terrain::RunWords() const {
  constexpr std::size_t kLongestRun = 4095;
  std::vector<std::uint16_t> words;
  for (std::size_t start = 0; start < cells_.size();) {
    const std::uint8_t code = cells_[start];
    std::size_t end = start + 1;
    while (end < cells_.size() && end - start < kLongestRun && cells_[end] == code) ++end;
    words.push_back(static_cast<std::uint16_t>((end - start) << 4 | code));
    start = end;
  }
  return words;
}

}  // namespace tarmaxion::examples
