// The tracks the load benchmarks time, written by the tests' TrackBuilder: a typical one, a
// heavy one of the largest size, one with an empty map, and the slowest one known.
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

// The slowest valid track known: the most objects a track can hold, all grandstands (type 17)
// on one spot of a small world, so every one of them flood-fills most of the map again.
BenchTrack GrandstandPileTrack();

}  // namespace tarmaxion::bench
