// The landmap: run words that lay the terrain into the map area, from the bottom row upwards.
#pragma once

#include "preview/MapBitmap.h"
#include "preview/Palette.h"
#include "track/ByteReader.h"

namespace tarmaxion {

// Expands the W + 1 run words from file offset 20 (W read at offset 16) into the map area of
// a reset bitmap. Each word gives a terrain code (bits 0 to 3) and a run length (bits 4 to
// 15). A negative W decodes nothing; pixels past the map area are dropped; words that lie
// beyond the loaded data are not read.
void DecodeLandmap(const ByteReader& track, MapBitmap bitmap, const LandmapColourTable& colours);

}  // namespace tarmaxion
