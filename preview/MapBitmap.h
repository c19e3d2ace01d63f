// The map bitmap: a complete 8-bit BMP file image of 512 x 560 pixels, laid out in memory so
// that the image service can create the map image from it. Rows are stored bottom-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/Colour.h"

namespace tarmaxion {

inline constexpr int kMapWidth = 512;
inline constexpr int kMapHeight = 560;    // the map area, then the caption band
inline constexpr int kMapAreaRows = 512;  // rows 0 to 511; rows 512 to 559 carry the caption

inline constexpr std::size_t kBitmapTemplateSize = 1334;
inline constexpr std::size_t kBitmapPixels = 1078;  // headers and the 256-entry palette
inline constexpr std::size_t kMapBitmapSize =
    kBitmapPixels + std::size_t{kMapWidth} * std::size_t{kMapHeight};  // 287,798
// Bottom-up rows put image row 511, column 0 (the map area's bottom-left pixel) here.
inline constexpr std::size_t kMapAreaStart =
    kBitmapPixels + std::size_t{kMapWidth} * std::size_t{kMapHeight - kMapAreaRows};
inline constexpr std::size_t kMapAreaPixels = std::size_t{kMapWidth} * std::size_t{kMapAreaRows};

inline constexpr std::uint8_t kBackgroundIndex = 240;
// Its colour, which the caption also uses behind its text so the text reads as on the band.
inline constexpr Colour kBackgroundColour = Rgb(0, 100, 150);

using MapBitmap = std::span<std::uint8_t, kMapBitmapSize>;

// Where the pixel of image column x, row y lies in the bitmap (0 <= x < 512, 0 <= y < 560).
constexpr std::size_t PixelOffset(int x, int y) {
  return kBitmapPixels + static_cast<std::size_t>(kMapHeight - 1 - y) * std::size_t{kMapWidth} +
         static_cast<std::size_t>(x);
}

// Writes the headers and palette and sets every pixel to the background, so nothing of an
// earlier map survives.
void ResetMapBitmap(MapBitmap bitmap);

}  // namespace tarmaxion
