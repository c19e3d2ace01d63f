#include "preview/MarkerRectangle.h"

#include <cmath>

namespace tarmaxion {
namespace {

constexpr int kHeadingUnitsPerTurn = 244;
// A heading of 0 points along the map's x axis; the offset turns it to the angle origin.
constexpr int kHeadingOffset = 61;
// Degrees per heading unit and radians per degree, with the precision the markers have
// always had: heading 0 comes out at 89.983 degrees, not 90.
constexpr double kDegreesPerUnit = 1.47541;
constexpr double kRadiansPerDegree = 0.01745;
constexpr float kQuarterTurn = 1.5707964f;

// Every working value is held as a float; each expression is evaluated in double and
// rounded once when stored.
float Stored(double value) { return static_cast<float>(value); }

PixelPoint Corner(float centre_x, float centre_y, float offset_x, float offset_y, int sign) {
  const float x = Stored(double{centre_x} + sign * double{offset_x});
  const float y = Stored(double{centre_y} + sign * double{offset_y});
  return {static_cast<int>(x), static_cast<int>(y)};  // truncation toward zero
}

}  // namespace

MarkerCorners MarkerRectangle(int column, int row, std::uint8_t heading, int half_width,
                              int half_length) {
  int units = heading + kHeadingOffset;
  if (units > kHeadingUnitsPerTurn) units -= kHeadingUnitsPerTurn;
  float angle = Stored(units * kDegreesPerUnit);
  angle = Stored(double{angle} * kRadiansPerDegree);

  const double a = half_width;
  const double b = half_length;
  const double sine = std::sin(double{angle});
  const double cosine = std::cos(double{angle});
  const float front_x = Stored(column + b * sine);
  const float front_y = Stored(row - b * cosine);
  const float back_x = Stored(column - b * sine);
  const float back_y = Stored(row + b * cosine);
  const double side_angle = double{kQuarterTurn} - double{angle};
  const float side_x = Stored(a * std::sin(side_angle));
  const float side_y = Stored(a * std::cos(side_angle));

  return {Corner(front_x, front_y, side_x, side_y, -1),
          Corner(front_x, front_y, side_x, side_y, +1),
          Corner(back_x, back_y, side_x, side_y, -1),
          Corner(back_x, back_y, side_x, side_y, +1)};
}

void DrawMarkerRectangle(Graphics& graphics, const MarkerCorners& corners, Colour colour) {
  const auto line = [&](PixelPoint from, PixelPoint to) {
    graphics.DrawLine(from.x, from.y, to.x, to.y, colour);
  };
  line(corners.q1, corners.q2);
  line(corners.q3, corners.q4);
  line(corners.q1, corners.q3);
  line(corners.q2, corners.q4);
}

}  // namespace tarmaxion
