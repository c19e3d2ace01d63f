// The object table: N entries of 8 bytes after the count word at T, each placing one object
// at a world position with a type and a heading. Entries that lie outside the loaded data are
// never visited.
#pragma once

#include <algorithm>
#include <cstdint>

#include "track/ByteReader.h"
#include "track/TrackLayout.h"

namespace tarmaxion {

// The last column and row of the 512 x 512 map area.
inline constexpr int kMapEdge = 511;

// One entry, with its world position already turned into a map position: world (x, y) lies at
// column x div 2 and row 511 - y div 2, div truncating toward zero.
struct MapObject {
  std::int64_t entry = 0;  // offset of the entry, and so of its type byte
  std::int8_t type = 0;
  int column = 0;
  int row = 0;
  std::uint8_t heading = 0;
};

class ObjectTable {
 public:
  ObjectTable(const ByteReader& track, const TrackLayout& layout) : track_(track) {
    first_ = layout.objects + 2;
    const std::int64_t in_data =
        track.Covers(first_, 0) ? (track.Size() - first_) / trk::kObjectEntrySize : 0;
    count_ = std::clamp<std::int64_t>(layout.object_count, 0, in_data);
  }

  // Calls visit(const MapObject&) for every entry, in file order.
  template <typename Visit>
  void ForEach(Visit visit) const {
    for (std::int64_t k = 0; k < count_; ++k) visit(Read(first_ + k * trk::kObjectEntrySize));
  }

 private:
  // World y grows upwards, image rows downwards; both halve with truncation toward zero.
  MapObject Read(std::int64_t entry) const {
    return {entry, track_.S8(entry), track_.S16(entry + 2) / 2,
            kMapEdge - track_.S16(entry + 4) / 2, track_.U8(entry + 7)};
  }

  const ByteReader& track_;
  std::int64_t first_ = 0;
  std::int64_t count_ = 0;
};

// low <= column, row < high.
inline bool Within(const MapObject& object, int low, int high) {
  return low <= object.column && low <= object.row && object.column < high && object.row < high;
}

// Inside the map area one pixel off its edge: where the small markers are drawn, and the only
// objects whose types the conversion rewrites.
inline bool WithinMap(const MapObject& object) { return Within(object, 1, kMapEdge); }

}  // namespace tarmaxion
