#include "programs/win32-thumbnails/TrackThumbnail.h"

#include "api/Thumbnail.h"

namespace tarmaxion {

Result<Image, TrackOutcome> TrackThumbnail(TrackApi& api, std::span<const std::uint8_t> bytes, int longer_side) {
  // A stream has no name; the name only reaches the caption band, which is left out.
  const auto& report = api.Open(bytes, {});
  if (report.outcome != TrackOutcome::kRead) return report.outcome;
  const auto map = api.Map();
  if (map.image == nullptr) return TrackOutcome::kDamaged;
  return MapThumbnail(*map.image, longer_side, ThumbnailArea::kMapArea);
}

}  // namespace tarmaxion
