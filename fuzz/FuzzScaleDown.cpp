// Area-averaging downscales of images of arbitrary small sizes to arbitrary sizes: no bad
// access, no hang, and the output has the asked-for longer side with the source's colours
// staying within the source's range.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "gfx/ScaleDown.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarmaxion;
  std::int32_t header[4] = {};
  if (size < sizeof header) return 0;
  std::memcpy(header, data, sizeof header);
  data += sizeof header;
  size -= sizeof header;
  // Up to 700 pixels a side, so one input stays fast; the longer side and the rows as given.
  const int width = static_cast<int>(static_cast<std::uint32_t>(header[0]) % 701);
  const int height = static_cast<int>(static_cast<std::uint32_t>(header[1]) % 701);
  const int rows = header[2], longer_side = header[3];

  Image source(width, height);
  std::uint8_t low = 255, high = 0;
  for (std::size_t i = 0; i < source.Pixels().size(); ++i) {
    const std::uint8_t value = size == 0 ? 0 : data[i % size];
    source.Pixels()[i] = Rgb(value, value, value);
  }
  const int top = std::clamp(rows, 0, height);
  for (int y = 0; y < top; ++y) {
    for (int x = 0; x < width; ++x) {
      low = std::min(low, RedOf(source.At(x, y)));
      high = std::max(high, RedOf(source.At(x, y)));
    }
  }

  const Image scaled = ScaleDownTop(source, rows, longer_side);
  const int expected =
      width == 0 || top == 0 || longer_side < 1 ? 0 : std::min(longer_side, std::max(width, top));
  if (std::max(scaled.Width(), scaled.Height()) != expected) std::abort();
  for (const Colour c : scaled.Pixels()) {
    if (RedOf(c) < low || RedOf(c) > high || GreenOf(c) != RedOf(c) || BlueOf(c) != RedOf(c)) {
      std::abort();
    }
  }
  return 0;
}
