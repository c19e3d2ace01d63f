#include "api/Thumbnail.h"

#include "gfx/ScaleDown.h"
#include "preview/MapImage.h"

namespace tarmaxion {

Image MapThumbnail(const Image& map, int longer_side, ThumbnailArea area) {
  const int rows = area == ThumbnailArea::kMapArea ? kMapAreaRows : map.Height();
  return ScaleDownTop(map, rows, longer_side);
}

Result<Image, TrackOutcome> TrackThumbnail(TrackApi& api, std::span<const std::uint8_t> bytes, int longer_side) {
  // Bytes without a name: the name only reaches the caption band, which is left out.
  const auto& report = api.Open(bytes, {});
  if (report.outcome != TrackOutcome::kRead) return report.outcome;
  const auto map = api.Map();
  if (map.image == nullptr) return TrackOutcome::kDamaged;
  return MapThumbnail(*map.image, longer_side, ThumbnailArea::kMapArea);
}

}  // namespace tarmaxion
