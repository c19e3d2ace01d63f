// The thumbnail of a map, the one picture every small view of a track shows: the desktop's
// file managers (through trkconv and the Windows thumbnail handler) and the page's gallery.
#pragma once

#include "gfx/Image.h"

namespace tarmaxion {

enum class ThumbnailArea {
  kWholeMap,  // all 512 x 560 pixels, the caption band included
  // Rows 0 to 511 only: at thumbnail sizes the caption's 16-pixel text cannot be read, and a
  // square fits a file manager's grid.
  kMapArea,
};

// The map's area scaled down by area averaging to longer_side pixels on its longer side; a
// longer_side at or above the area's own gives it unscaled, as thumbnails never enlarge.
Image MapThumbnail(const Image& map, int longer_side, ThumbnailArea area);

}  // namespace tarmaxion
