#include "gfx/ScaleDown.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace tarmaxion {
namespace {

// One source pixel's share of one output pixel.
struct Share {
  std::uint32_t source = 0;
  std::uint32_t weight = 0;
};

// How the source pixels along one axis share out among the output pixels. Lengths count in
// units that make a source pixel `output` long and an output pixel `source` long, so every
// overlap is a whole number and each output pixel's weights add up to `source`.
class AxisShares {
 public:
  AxisShares(int source, int output) {
    const auto source_length = static_cast<std::uint64_t>(output);
    const auto output_length = static_cast<std::uint64_t>(source);
    starts_.reserve(static_cast<std::size_t>(output) + 1);
    for (std::uint64_t o = 0; o < static_cast<std::uint64_t>(output); ++o) {
      starts_.push_back(shares_.size());
      const std::uint64_t begin = o * output_length;
      const std::uint64_t end = begin + output_length;
      for (std::uint64_t s = begin / source_length; s * source_length < end; ++s) {
        const std::uint64_t overlap =
            std::min(end, (s + 1) * source_length) - std::max(begin, s * source_length);
        shares_.push_back({static_cast<std::uint32_t>(s), static_cast<std::uint32_t>(overlap)});
      }
    }
    starts_.push_back(shares_.size());
  }

  std::span<const Share> Of(std::size_t output) const {
    return std::span(shares_).subspan(starts_[output], starts_[output + 1] - starts_[output]);
  }

 private:
  std::vector<Share> shares_;
  std::vector<std::size_t> starts_;
};

// Division by the area, the same for every pixel, as a multiplication by its reciprocal: a
// hardware division per channel cost more than all the summing. (n + 1/2) / d lies at least
// 1/(2d) from any whole number, while the two roundings of the product move it by less than
// 2^-44 (the quotient is below 256), so the truncated product is exact wherever 2d < 2^44.
// Larger areas, which no image in memory has, divide.
class AreaMean {
 public:
  explicit AreaMean(std::uint64_t area)
      : divisor_(2 * area),
        reciprocal_(1.0 / static_cast<double>(divisor_)),
        multiply_(divisor_ < (std::uint64_t{1} << 43)) {}

  // sum / area, rounded half up.
  std::uint8_t operator()(std::uint64_t sum) const {
    const std::uint64_t dividend = 2 * sum + divisor_ / 2;
    if (!multiply_) return static_cast<std::uint8_t>(dividend / divisor_);
    return static_cast<std::uint8_t>(
        static_cast<std::int64_t>((static_cast<double>(dividend) + 0.5) * reciprocal_));
  }

 private:
  std::uint64_t divisor_;
  double reciprocal_;
  bool multiply_;
};

// The weighted channel sums of the source rows under one output row, column by column, kept
// per channel so that the loop over a row vectorises. Sum is 32 bits wide wherever 255 times
// the source's area fits, which is every image of a sensible size.
template <typename Sum>
class ColumnSums {
 public:
  explicit ColumnSums(std::size_t width) : red_(width), green_(width), blue_(width) {}

  void Add(const Colour* row, std::uint32_t weight) {
    const Sum w = weight;
    for (std::size_t x = 0; x < red_.size(); ++x) {
      const Colour c = row[x];
      red_[x] += w * RedOf(c);
      green_[x] += w * GreenOf(c);
      blue_[x] += w * BlueOf(c);
    }
  }

  // One output row: each column the mean of the area it covers. Clears the sums.
  void Finish(const AxisShares& across, const AreaMean& mean, std::span<Colour> out) {
    for (std::size_t x = 0; x < out.size(); ++x) {
      Sum red = 0, green = 0, blue = 0;
      for (const Share& share : across.Of(x)) {
        red += share.weight * red_[share.source];
        green += share.weight * green_[share.source];
        blue += share.weight * blue_[share.source];
      }
      out[x] = Rgb(mean(red), mean(green), mean(blue));
    }
    std::fill(red_.begin(), red_.end(), Sum{0});
    std::fill(green_.begin(), green_.end(), Sum{0});
    std::fill(blue_.begin(), blue_.end(), Sum{0});
  }

 private:
  std::vector<Sum> red_, green_, blue_;
};

Image CopyTop(const Image& source, int rows) {
  Image copy(source.Width(), rows);
  for (int y = 0; y < rows; ++y) std::copy_n(source.Row(y), source.Pitch(), copy.Row(y));
  return copy;
}

}  // namespace

Image ScaleDownTop(const Image& source, int rows, int longer_side) {
  const int width = source.Width();
  const int height = std::min(rows, source.Height());
  if (longer_side < 1 || width < 1 || height < 1) return Image(0, 0);
  const int longer = std::max(width, height);
  if (longer_side >= longer) return CopyTop(source, height);

  const auto Shorter = [&](int side) {
    const std::int64_t scaled =
        (2 * std::int64_t{side} * longer_side + longer) / (2 * std::int64_t{longer});
    return std::max(1, static_cast<int>(scaled));
  };
  const int out_width = width >= height ? longer_side : Shorter(width);
  const int out_height = width >= height ? Shorter(height) : longer_side;
  const AxisShares across(width, out_width);
  const AxisShares down(height, out_height);
  const std::uint64_t area = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  const AreaMean mean(area);

  Image scaled(out_width, out_height);
  const auto scale = [&](auto sums) {
    for (int y = 0; y < out_height; ++y) {
      for (const Share& share : down.Of(static_cast<std::size_t>(y))) {
        sums.Add(source.Row(static_cast<int>(share.source)), share.weight);
      }
      sums.Finish(across, mean, std::span(scaled.Row(y), static_cast<std::size_t>(out_width)));
    }
  };
  const auto columns = static_cast<std::size_t>(width);
  if (area <= UINT32_MAX / 255) {
    scale(ColumnSums<std::uint32_t>(columns));
  } else {
    scale(ColumnSums<std::uint64_t>(columns));
  }
  return scaled;
}

Image ScaleDown(const Image& source, int longer_side) {
  return ScaleDownTop(source, source.Height(), longer_side);
}

}  // namespace tarmaxion
