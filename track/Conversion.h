// The version-1.05 copy: the loaded bytes with the version byte lowered, under a "_c" name.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarmaxion {

// The track path without its last four characters, followed by "_c.trk" ("_c.trk" for a path
// of four characters or fewer).
std::string ConvertedName(std::string_view track_path);

// Sets byte 0, the low byte of the version word, to 5; byte 1 is 1 in both versions.
void MarkAsVersion105(std::span<std::uint8_t> track);

}  // namespace tarmaxion
