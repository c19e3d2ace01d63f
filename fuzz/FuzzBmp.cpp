// Arbitrary bytes as a BMP file image: either an image or a refusal, never a bad read.
#include <cstdint>
#include <span>

#include "gfx/Bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = tarmaxion::ImageFromBmp(std::span(data, size));
  if (image && image->Width() > 0 && image->Height() > 0) {
    volatile auto corner = image->At(image->Width() - 1, image->Height() - 1);
    (void)corner;
  }
  return 0;
}
