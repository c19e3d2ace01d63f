#include "track/Conversion.h"

#include "track/TrackLayout.h"
#include "ui/Encoding.h"

namespace tarmaxion {

std::string ConvertedName(std::string_view track_path) {
  return DropLastCharacters(track_path, 4) + "_c.trk";
}

void MarkAsVersion105(std::span<std::uint8_t> track) {
  if (!track.empty()) track[0] = trk::kVersionByte105;
}

}  // namespace tarmaxion
