// The raster primitives with arbitrary arguments on the map image's size: no write outside
// the image, no hang, whatever the coordinates.
#include <cstdint>
#include <cstring>

#include "gfx/Raster.h"

namespace {

class Arguments {
 public:
  Arguments(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool Empty() const { return size_ == 0; }
  std::int32_t Next() {
    std::uint32_t value = 0;
    const std::size_t n = size_ < sizeof value ? size_ : sizeof value;
    std::memcpy(&value, data_, n);
    data_ += n;
    size_ -= n;
    return static_cast<std::int32_t>(value);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarmaxion;
  Image image(512, 560, Rgb(0, 100, 150));
  Arguments args(data, size);
  while (!args.Empty()) {
    const auto op = static_cast<std::uint32_t>(args.Next()) % 5u;
    const int x = args.Next(), y = args.Next(), a = args.Next(), b = args.Next();
    const auto colour = static_cast<Colour>(args.Next()) & 0xFFFFFFu;
    switch (op) {
      case 0: PutPixel(image, x, y, colour); break;
      case 1: FillBox(image, x, y, a, b, colour); break;
      case 2: DrawLine(image, x, y, a, b, colour); break;
      case 3: FloodFill(image, x, y, FillMode::kBorder, static_cast<Colour>(a) & 0xFFFFFFu, colour); break;
      default: FloodFill(image, x, y, FillMode::kSurface, static_cast<Colour>(a) & 0xFFFFFFu, colour); break;
    }
  }
  return 0;
}
