// The track most window tests load: terrain, a water cell, a marker of each drawing pass, a
// remapped type, and records that give the map name monza_4567_Bob.
#pragma once

#include "tools/builders/TrackBuilder.h"

namespace tarmaxion::testing {

inline TrackBuilder SampleTrack() {
  TrackBuilder track;
  track.WorldSize(100).WaterLevel(20).Heights(10).Landmap({0x0FF2, 0x0FF3, 0x4001, 0xFFFC});
  track.Object(10, 100, 100).Object(17, 512, 512).Object(2, 600, 300, 61).Object(26, 512, 700);
  track.Author("Jo").TrackLength(12345).Record(0, "Ace", 2345).Record(1, "Bob", 4567).CarName(1, "Rocket");
  return track;
}

}  // namespace tarmaxion::testing
