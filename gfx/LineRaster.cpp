// DrawLine: the classic Bresenham walk of the Windows drawing interface (start pixel drawn, end
// pixel left out, ties decided by the bias), plus the end pixel.
//
// The walk is never run over the invisible part of a line. Pixel i of the walk has a closed
// form, so the run of pixels inside the image is found by arithmetic and the walk starts on its
// first pixel with the error term it would have had there: a line from -1e9 to 1e9 costs only
// its visible pixels, and clipping never changes which pixels inside the image are set.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "gfx/Raster.h"

namespace tarmaxion {
namespace {

// A line seen along its axes: `major` steps along the longer one (|dx| == |dy| counts as
// y-major), `minor` along the other. Any two int end points give major < 2^32, so every
// product below is done in unsigned 64 bits, where it cannot overflow.
class LineSteps {
 public:
  LineSteps(std::int64_t major, std::int64_t minor, int bias)
      : major_(static_cast<std::uint64_t>(major)),
        minor_(static_cast<std::uint64_t>(minor)),
        bias_(static_cast<std::uint64_t>(bias)) {}

  // How far pixel i lies from the start along the minor axis:
  // floor((2 i minor + major - 1 + bias) / (2 major)), that is the nearest whole offset, with
  // ties going to the smaller screen coordinate. Split as i minor = q major + r so that no
  // intermediate value needs more than 64 bits.
  std::int64_t MinorOffset(std::int64_t i) const {
    const Split split = SplitAt(i);
    return static_cast<std::int64_t>(split.quotient + split.rounded_up);
  }

  // The walk's error term on arrival at pixel i: 2 minor - major + 2 i minor - 2 n(i) major.
  // With i minor - n(i) major = r - rounded_up major it stays small.
  std::int64_t ErrorAt(std::int64_t i) const {
    const Split split = SplitAt(i);
    const auto remainder = static_cast<std::int64_t>(split.remainder);
    const auto major = static_cast<std::int64_t>(major_);
    const auto minor = static_cast<std::int64_t>(minor_);
    return 2 * minor - major +
           2 * (remainder - static_cast<std::int64_t>(split.rounded_up) * major);
  }

  // The first i in [first, last] with MinorOffset(i) >= offset, or last + 1 when there is none.
  // MinorOffset never decreases along the line.
  std::int64_t FirstReaching(std::int64_t offset, std::int64_t first, std::int64_t last) const {
    std::int64_t low = first;
    std::int64_t high = last + 1;
    while (low < high) {
      const std::int64_t middle = low + (high - low) / 2;
      if (MinorOffset(middle) >= offset) {
        high = middle;
      } else {
        low = middle + 1;
      }
    }
    return low;
  }

 private:
  struct Split {
    std::uint64_t quotient;
    std::uint64_t remainder;
    std::uint64_t rounded_up;  // 0 or 1
  };

  // Callers keep 0 <= i < major, so i * minor < 2^64.
  Split SplitAt(std::int64_t i) const {
    const std::uint64_t product = static_cast<std::uint64_t>(i) * minor_;
    const std::uint64_t remainder = product % major_;
    return {product / major_, remainder, (2 * remainder + major_ - 1 + bias_) / (2 * major_)};
  }

  std::uint64_t major_;
  std::uint64_t minor_;
  std::uint64_t bias_;
};

// One axis of the walk: where it starts, which way it steps and how many cells the image has.
struct Axis {
  std::int64_t start;
  int step;  // +1 or -1
  int limit;
};

// The offsets t for which start + step * t lies inside [0, limit), as [first, last].
struct OffsetRange {
  std::int64_t first;
  std::int64_t last;
};

OffsetRange OffsetsInside(const Axis& axis) {
  if (axis.step > 0) return {-axis.start, axis.limit - 1 - axis.start};
  return {axis.start - (axis.limit - 1), axis.start};
}

// The walk from (x1, y1) towards (x2, y2) without its end pixel; the points differ.
void DrawLineWithoutEnd(Image& image, int x1, int y1, int x2, int y2, Colour colour) {
  const std::int64_t dx = std::int64_t{x2} - x1;
  const std::int64_t dy = std::int64_t{y2} - y1;
  const int step_x = dx > 0 ? 1 : -1;
  const int step_y = dy > 0 ? 1 : -1;
  const std::int64_t length_x = dx < 0 ? -dx : dx;
  const std::int64_t length_y = dy < 0 ? -dy : dy;
  const bool x_major = length_x > length_y;
  // The bias moves ties to the smaller screen coordinate: it is set exactly when the minor
  // coordinate decreases.
  const int bias = x_major ? step_y < 0 : step_x < 0;
  const std::int64_t major = x_major ? length_x : length_y;
  const std::int64_t minor = x_major ? length_y : length_x;
  const Axis axis_x{x1, step_x, image.Width()};
  const Axis axis_y{y1, step_y, image.Height()};
  const Axis& major_axis = x_major ? axis_x : axis_y;
  const Axis& minor_axis = x_major ? axis_y : axis_x;
  const LineSteps steps(major, minor, bias);

  // Pixels 0 .. major - 1, narrowed to those inside the image. Along the major axis pixel i
  // sits at offset i, along the minor axis at offset MinorOffset(i), which never decreases, so
  // the pixels inside form one run [first, last].
  // A line with both ends inside the image lies wholly inside it, which is the common case and
  // needs none of the searching: the walk starts on pixel 0, the start point, with the error
  // term 2 minor - major.
  std::int64_t first = 0;
  std::int64_t last = major - 1;
  std::int64_t first_minor_offset = 0;
  std::int64_t error = 2 * minor - major;
  if (!image.Contains(x1, y1) || !image.Contains(x2, y2)) {
    const OffsetRange along_major = OffsetsInside(major_axis);
    first = std::max<std::int64_t>(0, along_major.first);
    last = std::min(major - 1, along_major.last);
    if (first > last) return;
    const OffsetRange along_minor = OffsetsInside(minor_axis);
    first = steps.FirstReaching(along_minor.first, first, last);
    last = steps.FirstReaching(along_minor.last + 1, first, last) - 1;
    if (first > last) return;
    first_minor_offset = steps.MinorOffset(first);
    error = steps.ErrorAt(first);
  }

  // From here on every pixel of the walk lies inside the image, so it writes without checks.
  const std::int64_t pitch = static_cast<std::int64_t>(image.Pitch());
  const std::int64_t major_stride = x_major ? step_x : step_y * pitch;
  const std::int64_t minor_stride = x_major ? step_y * pitch : step_x;
  const std::int64_t start_x = x1 + step_x * (x_major ? first : first_minor_offset);
  const std::int64_t start_y = y1 + step_y * (x_major ? first_minor_offset : first);
  Colour* const pixels = image.Pixels().data();
  std::int64_t at = start_y * pitch + start_x;
  const std::int64_t error_straight = 2 * minor;
  const std::int64_t error_diagonal = 2 * minor - 2 * major;
  for (std::int64_t count = last - first + 1; count > 0; --count) {
    pixels[static_cast<std::size_t>(at)] = colour;
    if (error + bias > 0) {
      at += minor_stride;
      error += error_diagonal;
    } else {
      error += error_straight;
    }
    at += major_stride;
  }
}

}  // namespace

void DrawLine(Image& image, int x1, int y1, int x2, int y2, Colour colour) {
  if (x1 != x2 || y1 != y2) DrawLineWithoutEnd(image, x1, y1, x2, y2, colour);
  // The walk leaves the end out; the program wants both ends, and a zero-length line is this
  // one pixel.
  PutPixel(image, x2, y2, colour);
}

}  // namespace tarmaxion
