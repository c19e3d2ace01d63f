// The object markers: five passes over the object table, each drawing one group of object
// types, and the object type remap done by the last pass.
#pragma once

#include <cstdint>
#include <span>

#include "preview/Palette.h"
#include "track/TrackInfo.h"
#include "ui/Graphics.h"

namespace tarmaxion {

// Draws the markers of the N objects of the table at info.layout.objects on the image in
// image_slot, in five passes (later passes paint over earlier ones):
//   1. type 10: a 3x3 block;  2. type 9: a 5x5 box with a centre pixel;
//   3. types 17, 18: a rectangle outlined in grey and flood-filled;
//   4. types 1, 2, 3, 23: an outlined rectangle;  5. types from 25: a red 3x3 block.
// Pass 5 ends with RemapObjectTypes, so it rewrites types 25 to 32 of the entries it draws. The
// rectangle sizes follow the world size; a world size of 0 gives no size, so passes 3 and 4 are
// skipped. Entries beyond the loaded data are neither read nor written.
void DrawObjects(std::span<std::uint8_t> track_file, const TrackInfo& info,
                 const ObjectColourTable& colours, Graphics& graphics, int image_slot);

// The object type remap alone, as the converted copy needs it: rewrites types 25 to 32 in
// track_file (see RemappedType) for the entries whose map position lies inside the map area
// off its edge, where pass 5 draws them, whether or not there is an image to draw on.
void RemapObjectTypes(std::span<std::uint8_t> track_file, const TrackLayout& layout);

}  // namespace tarmaxion
