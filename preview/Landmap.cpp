#include "preview/Landmap.h"

#include <algorithm>

#include "track/TrackLayout.h"

namespace tarmaxion {

void DecodeLandmap(const ByteReader& track, MapBitmap bitmap, const LandmapColourTable& colours) {
  const std::int64_t word_count = std::int64_t{track.S32(trk::kLandmapWordCount)} + 1;
  const std::int64_t words_in_data = std::max<std::int64_t>(0, (track.Size() - trk::kLandmap) / 2);
  const std::int64_t words = std::min(word_count, words_in_data);

  auto pixels = bitmap.subspan(kMapAreaStart, kMapAreaPixels);
  std::size_t position = 0;
  // Once the map area is full every further pixel is dropped, so the walk may stop there.
  for (std::int64_t i = 0; i < words && position < pixels.size(); ++i) {
    const std::uint16_t word = track.U16(trk::kLandmap + 2 * i);
    const std::size_t length = std::min<std::size_t>(word >> 4, pixels.size() - position);
    const auto at = pixels.begin() + static_cast<std::ptrdiff_t>(position);
    std::fill_n(at, length, colours[word & 15u]);
    position += length;
  }
}

}  // namespace tarmaxion
