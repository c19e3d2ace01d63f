// The landmap: run words that lay the terrain into the map area, from the bottom row upwards.
#pragma once

#include "gfx/Image.h"
#include "preview/Palette.h"
#include "track/ByteReader.h"

namespace tarmaxion {

// Paints the whole map area of map (rows 0 to 511 of a 512-pixel-wide image): the W + 1 run
// words from file offset 20 (W read at offset 16) laid from the bottom-left pixel rightwards
// along each row, then up a row, and the background where no run reaches. Each word gives a
// terrain code (bits 0 to 3) and a run length (bits 4 to 15). A negative W decodes nothing;
// pixels past the map area are dropped; words that lie beyond the loaded data are not read; an
// image of another shape is left as is.
void DrawLandmap(const ByteReader& track, Image& map, const LandmapColourTable& colours);

}  // namespace tarmaxion
