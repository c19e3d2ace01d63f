#include "track/Conversion.h"

#include <algorithm>
#include <cctype>

#include "track/ObjectTable.h"
#include "track/TypeRemap.h"

namespace tarmaxion {

std::string_view TrackStem(std::string_view track_path) {
  constexpr std::string_view kExtension = ".trk";
  const bool has_extension =
      track_path.size() >= kExtension.size() &&
      std::equal(kExtension.begin(), kExtension.end(), track_path.end() - kExtension.size(),
                 [](char wanted, char got) { return wanted == std::tolower(static_cast<unsigned char>(got)); });
  return has_extension ? track_path.substr(0, track_path.size() - kExtension.size()) : track_path;
}

std::string ConvertedName(std::string_view track_path) { return std::string(TrackStem(track_path)) + "_c.trk"; }

std::string MapImageName(std::string_view track_path) { return std::string(TrackStem(track_path)) + ".png"; }

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
