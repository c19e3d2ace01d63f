#include "tools/builders/BenchTracks.h"

#include <array>
#include <cstddef>

#include "preview/MapImage.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion::bench {
namespace {

using testing::TrackBuilder;

// Every type some marker pass draws: blocks, boxes, filled and outlined rectangles, and the
// types from 25 on, which the last pass also rewrites.
constexpr std::array<std::int8_t, 17> kMarkerKinds = {10, 9,  17, 18, 1,  2,  3,  23, 25,
                                                      26, 27, 28, 29, 30, 31, 32, 33};

// Scatters objects over the whole world square (0 to 1023 in both axes) without clustering.
void AddObject(TrackBuilder& track, std::int64_t k, std::int8_t type) {
  const auto x = static_cast<std::int16_t>(2 + k * 7919 % 1020);
  const auto y = static_cast<std::int16_t>(2 + k * 104729 % 1020);
  track.Object(type, x, y, static_cast<std::uint8_t>(k * 37 % 256));
}

void AddRecords(TrackBuilder& track) {
  track.Author("Bench").Record(0, "Alice", 4321).Record(1, "Bob", 4567).CarName(0, "Comet");
  track.CarName(1, "Rocket");
}

}  // namespace

BenchTrack TypicalTrack() {
  TrackBuilder track;
  constexpr std::size_t kRuns = 100;
  std::vector<std::uint16_t> runs;
  for (std::size_t i = 0; i < kRuns; ++i) {
    // 100 runs of 2621 or 2622 pixels cover the map area exactly.
    const std::size_t length = kMapAreaPixels / kRuns + (i < kMapAreaPixels % kRuns ? 1 : 0);
    runs.push_back(static_cast<std::uint16_t>(length << 4 | i * 7 % 16));
  }
  track.Landmap(runs).WaterLevel(128).WorldSize(100);
  for (int k = 0; k < 4096; ++k) track.Height(k, static_cast<std::uint8_t>(k * 37 % 256));
  for (int k = 0; k < 500; ++k) {
    AddObject(track, k, kMarkerKinds[static_cast<std::size_t>(k) % kMarkerKinds.size()]);
  }
  AddRecords(track);
  return {"typical", track.Build()};
}

BenchTrack HeavyTrack() {
  TrackBuilder track;
  std::vector<std::uint16_t> runs;
  for (std::size_t i = 0; i < kMapAreaPixels; ++i) {
    runs.push_back(static_cast<std::uint16_t>(1 << 4 | i % 16));
  }
  track.Landmap(runs).WaterLevel(128).WorldSize(100);
  for (int k = 0; k < 4096; ++k) track.Height(k, static_cast<std::uint8_t>(k * 37 % 256));
  for (int k = 0; k < 32767; ++k) {
    const bool filled = k % 4 == 0;
    const auto other = kMarkerKinds[static_cast<std::size_t>(k / 4) % kMarkerKinds.size()];
    AddObject(track, k, filled ? static_cast<std::int8_t>(17 + k / 4 % 2) : other);
  }
  AddRecords(track);
  // The ghost frames fill the file up to just under the largest size a load accepts.
  constexpr std::size_t kTargetSize = 999'000;
  const std::size_t size = track.Build().size();
  if (size < kTargetSize) track.GhostData(kTargetSize - size);
  return {"heavy", track.Build()};
}

BenchTrack EmptyMapTrack() {
  TrackBuilder track;
  track.LandmapWordCount(-1);
  AddRecords(track);
  return {"empty_map", track.Build()};
}

BenchTrack GrandstandPileTrack() {
  TrackBuilder track;
  track.WorldSize(13);
  for (int k = 0; k < 32767; ++k) track.Object(17, 512, 512);
  AddRecords(track);
  return {"grandstand_pile", track.Build()};
}

}  // namespace tarmaxion::bench
