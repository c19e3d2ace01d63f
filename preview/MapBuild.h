// The map build: the map image made afresh in the background colour, the terrain from the
// landmap laid into it, and the caption drawn on it.
#pragma once

#include <string_view>

#include "gfx/Graphics.h"
#include "preview/Palette.h"
#include "track/ByteReader.h"
#include "track/TrackInfo.h"

namespace tarmaxion {

// Paints the whole map image in image_slot from the loaded track and draws the caption in font_id.
// utf8_file_name is the file part of the track path. False when the slot holds no image: then no
// caption is drawn.
bool BuildMap(const ByteReader& track, const TrackInfo& info,
                             const LandmapColourTable& colours, std::string_view utf8_file_name,
                             Graphics& graphics, int image_slot, int font_id);

}  // namespace tarmaxion
