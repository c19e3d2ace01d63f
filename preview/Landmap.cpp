#include "preview/Landmap.h"

#include <algorithm>

#include "preview/MapImage.h"
#include "track/TrackLayout.h"

namespace tarmaxion {

void DrawLandmap(const ByteReader& track, Image& map, const LandmapColourTable& colours) {
  if (map.Width() != kMapWidth || map.Height() < kMapAreaRows) return;
  const std::int64_t word_count = std::int64_t{track.S32(trk::kLandmapWordCount)} + 1;
  const std::int64_t words_in_data = std::max<std::int64_t>(0, (track.Size() - trk::kLandmap) / 2);
  const std::int64_t words = std::min(word_count, words_in_data);

  // Where the next pixel goes: a row of the map area and a column in it.
  int row = kMapAreaRows - 1;
  int column = 0;
  // Once the map area is full every further pixel is dropped, so the walk may stop there.
  for (std::int64_t i = 0; i < words && row >= 0; ++i) {
    const std::uint16_t word = track.U16(trk::kLandmap + 2 * i);
    const Colour colour = colours[word & 15u];
    for (int length = word >> 4; length > 0 && row >= 0;) {
      const int part = std::min(length, kMapWidth - column);
      std::fill_n(map.Row(row) + column, part, colour);
      length -= part;
      column += part;
      if (column == kMapWidth) {
        column = 0;
        --row;
      }
    }
  }
  if (row < 0) return;
  std::fill(map.Row(row) + column, map.Row(row) + kMapWidth, kBackgroundColour);
  for (int y = 0; y < row; ++y) std::fill_n(map.Row(y), kMapWidth, kBackgroundColour);
}

}  // namespace tarmaxion
