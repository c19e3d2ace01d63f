// The water overlay: heightmap cells below the water level as 8 x 8 squares of water colour.
#pragma once

#include "track/ByteReader.h"
#include "track/TrackInfo.h"
#include "gfx/Colour.h"
#include "gfx/Graphics.h"

namespace tarmaxion {

inline constexpr Colour kWaterColour = Rgb(0, 64, 255);

// Compares the 4096 heightmap bytes at info.layout.heightmap (unsigned, strictly below
// info.water_level) and paints each such cell on the image in image_slot. Cell k covers
// columns 8i to 8i + 7 and rows 503 - 8j to 510 - 8j with i = k mod 64, j = k div 64, so the
// bottom row of the map area never shows water. Bytes beyond the loaded data are not read.
void DrawWater(const ByteReader& track, const TrackInfo& info, Graphics& graphics, int image_slot);

}  // namespace tarmaxion
