#include "api/Thumbnail.h"

#include "gfx/ScaleDown.h"
#include "preview/MapImage.h"

namespace tarmaxion {

Image MapThumbnail(const Image& map, int longer_side, ThumbnailArea area) {
  const int rows = area == ThumbnailArea::kMapArea ? kMapAreaRows : map.Height();
  return ScaleDownTop(map, rows, longer_side);
}

}  // namespace tarmaxion
