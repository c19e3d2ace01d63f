#include "preview/MapBitmap.h"

#include <algorithm>
#include <array>

namespace tarmaxion {
namespace {

struct PaletteEntry {
  std::uint8_t index;
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// The colours that can appear in the map: the background and the landmap colour table's
// entries. The other palette entries are never written into the pixels and stay black.
constexpr std::array<PaletteEntry, 15> kMapPalette = {{
    {kBackgroundIndex, RedOf(kBackgroundColour), GreenOf(kBackgroundColour),
     BlueOf(kBackgroundColour)},
    {23, 158, 158, 158},
    {26, 179, 179, 179},
    {42, 145, 202, 91},
    {154, 190, 210, 130},
    {59, 160, 135, 110},
    {83, 211, 172, 158},
    {89, 250, 220, 210},
    {104, 245, 250, 255},
    {100, 220, 230, 239},
    {242, 255, 255, 255},
    {245, 255, 255, 0},
    {244, 255, 0, 0},
    {9, 62, 62, 62},
    {0, 0, 0, 0},
}};

using Template = std::array<std::uint8_t, kBitmapTemplateSize>;

consteval void PutLittleEndian(Template& bytes, std::size_t at, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) {
    bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

// Built by the compiler (consteval): the program only ever copies the finished template.
// The file header and info header keep the sizes the format's readers ignore (bfSize,
// biSizeImage) at the template's own values; only width, height, depth, palette and the pixel
// offset matter to the image service.
consteval Template MakeTemplate() {
  Template bytes{};
  bytes[0] = 'B';
  bytes[1] = 'M';
  PutLittleEndian(bytes, 2, kBitmapTemplateSize, 4);  // bfSize
  PutLittleEndian(bytes, 10, kBitmapPixels, 4);       // bfOffBits
  PutLittleEndian(bytes, 14, 40, 4);                  // biSize
  PutLittleEndian(bytes, 18, kMapWidth, 4);
  PutLittleEndian(bytes, 22, kMapHeight, 4);  // positive: bottom-up rows
  PutLittleEndian(bytes, 26, 1, 2);           // biPlanes
  PutLittleEndian(bytes, 28, 8, 2);           // biBitCount
  PutLittleEndian(bytes, 34, 256, 4);         // biSizeImage
  PutLittleEndian(bytes, 46, 256, 4);         // biClrUsed
  PutLittleEndian(bytes, 50, 256, 4);         // biClrImportant
  for (const auto& entry : kMapPalette) {
    const std::size_t at = 54 + 4 * std::size_t{entry.index};
    bytes[at] = entry.blue;
    bytes[at + 1] = entry.green;
    bytes[at + 2] = entry.red;
  }
  for (std::size_t i = kBitmapPixels; i < kBitmapTemplateSize; ++i) bytes[i] = kBackgroundIndex;
  return bytes;
}

constexpr Template kBitmapTemplate = MakeTemplate();

}  // namespace

void ResetMapBitmap(MapBitmap bitmap) {
  std::copy(kBitmapTemplate.begin(), kBitmapTemplate.end(), bitmap.begin());
  std::fill(bitmap.begin() + kBitmapPixels, bitmap.end(), kBackgroundIndex);
}

}  // namespace tarmaxion
