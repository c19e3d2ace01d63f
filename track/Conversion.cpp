#include "track/Conversion.h"

#include "base/Encoding.h"
#include "track/ObjectTable.h"
#include "track/TypeRemap.h"

namespace tarmaxion {

std::string ConvertedName(std::string_view track_path) {
  return DropLastCharacters(track_path, 4) + "_c.trk";
}

void RemapObjectTypes(std::span<std::uint8_t> track, const TrackLayout& layout) {
  const ByteReader reader(track);
  ObjectTable(reader, layout).ForEach([&](const MapObject& object) {
    if (!WithinMap(object)) return;
    if (const auto written = RemappedType(object.type)) {
      track[static_cast<std::size_t>(object.entry)] = static_cast<std::uint8_t>(*written);
    }
  });
}

void MarkAsVersion105(std::span<std::uint8_t> track) {
  if (!track.empty()) track[0] = trk::kVersionByte105;
}

void ConvertTo105(std::span<std::uint8_t> track, const TrackLayout& layout) {
  RemapObjectTypes(track, layout);
  MarkAsVersion105(track);
}

}  // namespace tarmaxion
