// The picture a file view shows for a track: its map without the caption band, whose text is
// unreadable at these sizes, scaled down by area averaging. Portable, so the thumbnail handler's
// whole path from untrusted bytes to pixels is tested and fuzzed on any machine.
#pragma once

#include <cstdint>
#include <span>

#include "api/TrackApi.h"
#include "base/Result.h"
#include "gfx/Image.h"

namespace tarmaxion {

// The thumbnail of the track file bytes whose longer side is longer_side (at least 1), or the
// full 512 x 512 map when longer_side is larger: thumbnails are never scaled up. Fails with the
// outcome of a track that is not read (refused, damaged or too large); api is the caller's, so
// its storage serves one thumbnail after another.
Result<Image, TrackOutcome> TrackThumbnail(TrackApi& api, std::span<const std::uint8_t> bytes, int longer_side);

}  // namespace tarmaxion
