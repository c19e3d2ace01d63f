// The version-1.05 copy: the loaded bytes with object types 25 to 32 rewritten and the version
// byte lowered, under a "_c" name.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "track/TrackLayout.h"

namespace tarmaxion {

// The path without a final ".trk" in any case; any other path whole. UTF-8.
std::string_view TrackStem(std::string_view track_path);

// The copy's default path: a path ending in ".trk" (in any case) gets "_c.trk" in place of it;
// any other path keeps all of itself and gets "_c.trk" after it, so no two names lose their
// differences ("" gives "_c.trk"). UTF-8.
std::string ConvertedName(std::string_view track_path);

// The map image's default path, named as the copy is: ".png" in place of a final ".trk", or
// after any other path. UTF-8.
std::string MapImageName(std::string_view track_path);

// Rewrites types 25 to 32 (see RemappedType) of the entries whose map position lies inside the
// map area off its edge; every other byte stays. layout must come from LocateRegions on track.
void RemapObjectTypes(std::span<std::uint8_t> track, const TrackLayout& layout);

// Sets byte 0, the low byte of the version word, to 5; byte 1 is 1 in both versions.
void MarkAsVersion105(std::span<std::uint8_t> track);

// Both steps: the whole conversion of a track that passed the checks.
void ConvertTo105(std::span<std::uint8_t> track, const TrackLayout& layout);

}  // namespace tarmaxion
