// The map image's shape: 512 x 560 pixels, the map area on top and the caption band under it,
// all of it in the background colour before anything is drawn.
#pragma once

#include <cstddef>

#include "gfx/Colour.h"

namespace tarmaxion {

inline constexpr int kMapWidth = 512;
inline constexpr int kMapHeight = 560;    // the map area, then the caption band
inline constexpr int kMapAreaRows = 512;  // rows 0 to 511; rows 512 to 559 carry the caption
inline constexpr std::size_t kMapAreaPixels = std::size_t{kMapWidth} * std::size_t{kMapAreaRows};

// The caption also uses it behind its text, so the text reads as on the band.
inline constexpr Colour kBackgroundColour = Rgb(0, 100, 150);

}  // namespace tarmaxion
