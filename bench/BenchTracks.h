// The three tracks the load benchmarks time, written by the tests' TrackBuilder: a typical one,
// the heaviest a track file can ask of a load, and one with an empty map.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarmaxion::bench {

struct BenchTrack {
  std::string name;
  std::vector<std::uint8_t> bytes;
};

// About 100 run words of mixed terrain, about half the heightmap under water, 500 objects that
// cycle through every marker kind, and filled-in records.
BenchTrack TypicalTrack();

// Close to 1,000,000 bytes: a landmap of one-pixel runs, 32,767 objects: every fourth a filled
// rectangle (types 17 and 18), the others cycling through every marker kind.
BenchTrack HeavyTrack();

// A negative landmap word count, so no run is decoded, no water and no objects.
BenchTrack EmptyMapTrack();

}  // namespace tarmaxion::bench
