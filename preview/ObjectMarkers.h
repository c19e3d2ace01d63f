// The object markers: five passes over the object table, each drawing one group of object
// types, and the object type remap done by the last pass.
#pragma once

#include <cstdint>
#include <span>

#include "preview/Palette.h"
#include "track/TrackInfo.h"
#include "gfx/Graphics.h"

namespace tarmaxion {

// Draws the markers of the N objects of the table at info.layout.objects on the image in
// image_slot, in five passes (later passes paint over earlier ones):
//   1. type 10: a 3x3 block;  2. type 9: a 5x5 box with a centre pixel;
//   3. types 17, 18: a rectangle outlined in grey and flood-filled;
//   4. types 1, 2, 3, 23: an outlined rectangle;  5. types from 25: a red 3x3 block.
// The rectangle sizes follow the world size; a world size of 0 gives no size, so passes 3 and 4
// are skipped. Entries beyond the loaded data are not read; no byte of the track is changed.
void DrawObjects(std::span<const std::uint8_t> track_file, const TrackInfo& info,
                 const ObjectColourTable& colours, Graphics& graphics, int image_slot);

}  // namespace tarmaxion
