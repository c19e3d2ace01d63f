// Arbitrary bytes through the thumbnail handler's path, as a file view hands any file named .trk
// to it: open, map, and the area-averaging scale down to a size taken from the input's length
// (1 to 600, so odd sizes and sizes past the map's come up too). One size per input: each scaling
// costs as much as the rest of the path in this build. One API serves every input, as in one
// handler process. Any crash, sanitizer report or hang is a bug.
#include <cstdint>
#include <span>

#include "api/Thumbnail.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tarmaxion::TrackApi api;
  const int side = static_cast<int>(size % 600) + 1;
  const auto thumbnail = tarmaxion::TrackThumbnail(api, std::span(data, size), side);
  if (!thumbnail) return 0;
  volatile auto corner = thumbnail->At(thumbnail->Width() - 1, thumbnail->Height() - 1);
  (void)corner;
  return 0;
}
