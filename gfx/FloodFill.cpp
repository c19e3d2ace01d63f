// FloodFill: a 4-connected span fill with an explicit stack, never recursive.
//
// The region is the one the unmodified image has around the start. A span fill that paints as
// it goes gives exactly that region as long as it never re-enters a painted pixel. When the
// brush colour would itself still count as fillable (a border fill in any colour but the
// border's), the fill paints in the border colour, which is never fillable, remembers its
// spans, and paints them in the brush colour at the end: no per-pixel mask to clear per fill.
#include <algorithm>
#include <vector>

#include "gfx/Raster.h"

namespace tarmaxion {
namespace {

// Whether a pixel belongs to the region, decided at compile time per mode so that the scans
// below test pixels without a branch on the mode.
template <FillMode kMode>
bool Matches(Colour pixel, Colour key) {
  if constexpr (kMode == FillMode::kSurface) {
    return pixel == key;
  } else {
    return pixel != key;
  }
}

template <FillMode kMode>
class SpanFiller {
 public:
  SpanFiller(Image& image, Colour key, Colour colour)
      : image_(image), key_(key), colour_(colour),
        paint_(Matches<kMode>(colour, key) ? key : colour) {}

  // Callers keep (x, y) inside the image.
  bool Fillable(int x, int y) const { return Matches<kMode>(image_.Row(y)[x], key_); }

  // Paints the start's row span and then every span connected to it.
  void Fill(int x, int y) {
    PaintAndQueue(x, y, Seed{x, x, y, 0});
    while (!seeds_.empty()) {
      const Seed seed = seeds_.back();
      seeds_.pop_back();
      const Colour* const line = image_.Row(seed.row);
      const int end = seed.last + 1;
      for (int column = ScanWhile<false>(line, seed.first, end); column < end;
           column = ScanWhile<false>(line, column, end)) {
        column = PaintAndQueue(column, seed.row, seed) + 1;
      }
    }
    for (const Span& span : painted_) {
      Colour* const line = image_.Row(span.row);
      std::fill(line + span.first, line + span.last + 1, colour_);
    }
  }

 private:
  // Columns [first, last] of row to scan; they lie below (direction +1) or above (-1) a
  // painted span of the row they came from, whose neighbours first - 1 and last + 1 on that
  // row are not fillable. Direction 0 marks the start, which has no such row.
  struct Seed {
    int first;
    int last;
    int row;
    int direction;
  };

  // Columns [first, last] of row, painted in the border colour, to be given the brush colour.
  struct Span {
    int first;
    int last;
    int row;
  };

  // The first column from x on, before end, whose pixel's fillability differs from kFillable,
  // or end. Whole groups of pixels are tested without an early exit, which the compiler turns
  // into a few vector instructions; spans are usually long.
  template <bool kFillable>
  int ScanWhile(const Colour* line, int x, int end) const {
    constexpr int kGroup = 8;
    for (; x + kGroup <= end; x += kGroup) {
      bool differs = false;
      for (int i = 0; i < kGroup; ++i) differs |= Matches<kMode>(line[x + i], key_) != kFillable;
      if (differs) break;
    }
    while (x < end && Matches<kMode>(line[x], key_) == kFillable) ++x;
    return x;
  }

  // The first column of the fillable run that ends at x; spans rarely reach far to the left
  // of the pixel a scan finds first.
  int SpanStart(const Colour* line, int x) const {
    while (x > 0 && Matches<kMode>(line[x - 1], key_)) --x;
    return x;
  }

  // Widens the fillable pixel (x, y) to its whole row span, paints it and queues the rows next
  // to it: all of the row ahead, and of the row the seed came from only the columns beyond the
  // seed's own span, since the rest of that row is painted or not fillable. Returns the span's
  // last column.
  int PaintAndQueue(int x, int y, const Seed& from) {
    const Colour* const line = image_.Row(y);
    const int first = SpanStart(line, x);
    const int last = ScanWhile<true>(line, x + 1, image_.Width()) - 1;
    Paint(first, last, y);
    if (from.direction == 0) {
      Queue(first, last, y - 1, -1);
      Queue(first, last, y + 1, 1);
    } else {
      Queue(first, last, y + from.direction, from.direction);
      Queue(first, from.first - 2, y - from.direction, -from.direction);
      Queue(from.last + 2, last, y - from.direction, -from.direction);
    }
    return last;
  }

  void Queue(int first, int last, int row, int direction) {
    if (first <= last && row >= 0 && row < image_.Height()) {
      seeds_.push_back({first, last, row, direction});
    }
  }

  // [first, last] lies inside the image.
  void Paint(int first, int last, int y) {
    Colour* const line = image_.Row(y);
    std::fill(line + first, line + last + 1, paint_);
    if (paint_ != colour_) painted_.push_back({first, last, y});
  }

  Image& image_;
  Colour key_;
  Colour colour_;
  Colour paint_;  // what the fill paints first: the brush, or the border when the brush is fillable
  std::vector<Span> painted_;  // spans still to be given the brush colour
  std::vector<Seed> seeds_;
};

template <FillMode kMode>
void FillFrom(Image& image, int x, int y, Colour key, Colour colour) {
  SpanFiller<kMode> filler(image, key, colour);
  if (filler.Fillable(x, y)) filler.Fill(x, y);
}

}  // namespace

void FloodFill(Image& image, int x, int y, FillMode mode, Colour key, Colour colour) {
  if (!image.Contains(x, y)) return;
  if (mode == FillMode::kBorder) {
    FillFrom<FillMode::kBorder>(image, x, y, key, colour);
  } else if (colour != key) {
    // A surface filled with its own colour stays as it is.
    FillFrom<FillMode::kSurface>(image, x, y, key, colour);
  }
}

}  // namespace tarmaxion
