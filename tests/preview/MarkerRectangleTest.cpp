#include "preview/MarkerRectangle.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tarmaxion {

std::ostream& operator<<(std::ostream& out, const PixelPoint& p) {
  return out << "(" << p.x << ", " << p.y << ")";
}
std::ostream& operator<<(std::ostream& out, const MarkerCorners& c) {
  return out << c.q1 << " " << c.q2 << " " << c.q3 << " " << c.q4;
}

namespace {

TEST(MarkerRectangleTest, CornersTruncateTheSinglePrecisionValues) {
  struct Case {
    int column, row, heading, half_width, half_length;
    MarkerCorners corners;
  };
  const Case cases[] = {
      // World size 100: a filled rectangle and an outlined one at map position (256, 255).
      {256, 255, 0, 31, 79, {{334, 223}, {335, 285}, {176, 224}, {177, 286}}},
      {256, 255, 61, 2, 15, {{258, 269}, {254, 270}, {257, 239}, {253, 240}}},
      // Heading 122 points left, 183 up; 184 wraps to the first unit of the turn.
      {100, 100, 122, 2, 15, {{85, 102}, {84, 98}, {115, 101}, {114, 97}}},
      {100, 100, 183, 2, 15, {{97, 85}, {101, 84}, {98, 115}, {102, 114}}},
      {100, 100, 184, 2, 15, {{98, 84}, {102, 85}, {97, 114}, {101, 115}}},
      // No width: front and back centre only.
      {100, 100, 0, 0, 15, {{115, 99}, {115, 99}, {85, 100}, {85, 100}}},
      // Far outside the image, truncated toward zero on both sides of it.
      {100, 100, 183, 200, 1550, {{-101, -1449}, {298, -1450}, {-98, 1650}, {301, 1649}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MarkerRectangle(c.column, c.row, static_cast<std::uint8_t>(c.heading), c.half_width,
                              c.half_length),
              c.corners)
        << "heading " << c.heading;
  }
}

TEST(MarkerRectangleTest, HeadingsFrom244DrawLikeTheStartOfTheTurn) {
  for (int heading = 244; heading <= 255; ++heading) {
    EXPECT_EQ(MarkerRectangle(256, 255, static_cast<std::uint8_t>(heading), 31, 79),
              MarkerRectangle(256, 255, static_cast<std::uint8_t>(heading - 244), 31, 79))
        << heading;
  }
}

}  // namespace
}  // namespace tarmaxion
