// The map build: terrain from the landmap into the map bitmap, the map image made from it,
// the caption drawn on it, and the map name that names what is shown.
#pragma once

#include <optional>

#include "preview/MapBitmap.h"
#include "preview/Palette.h"
#include "track/ByteReader.h"
#include "track/TrackInfo.h"
#include "gfx/Graphics.h"
#include "base/Text.h"

namespace tarmaxion {

// Rebuilds the bitmap and the image in image_slot from the loaded track and draws the caption
// in font_id. track_file_name is the file part of the track path. Returns the map name
// ("monza_4567_Bob"), or nothing when the image could not be made: then no caption is drawn
// and there is nothing to report.
std::optional<Text> BuildMap(const ByteReader& track, MapBitmap bitmap, const TrackInfo& info,
                             const LandmapColourTable& colours, const Text& track_file_name,
                             Graphics& graphics, int image_slot, int font_id);

}  // namespace tarmaxion
