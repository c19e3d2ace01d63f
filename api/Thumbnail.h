// The thumbnail of a map, the one picture every small view of a track shows: the desktop's
// file managers (through trkconv and the Windows thumbnail handler), the page's gallery and the
// library's scaled maps.
#pragma once

#include <cstdint>
#include <span>

#include "api/TrackApi.h"
#include "base/Result.h"
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

// The thumbnail of the track file bytes: its map area without the caption band, whose longer
// side is longer_side (at least 1), or the full 512 x 512 map when longer_side is larger. Fails
// with the outcome of a track that is not read (refused, damaged or too large); api is the
// caller's, so its storage serves one thumbnail after another. A file view's whole path from
// untrusted bytes to pixels, portable so that it is tested and fuzzed on any machine.
Result<Image, TrackOutcome> TrackThumbnail(TrackApi& api, std::span<const std::uint8_t> bytes, int longer_side);

}  // namespace tarmaxion
