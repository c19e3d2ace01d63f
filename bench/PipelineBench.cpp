// The whole load of a busy track (a full landmap of short runs, water everywhere, 2,000 objects
// of every marker kind) through the program, its preview steps alone, and a plain copy of the
// same bytes for scale. Times are per load.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <vector>

#include "app/Program.h"
#include "preview/MapBuild.h"
#include "preview/ObjectMarkers.h"
#include "preview/WaterOverlay.h"
#include "tests/support/TempDir.h"
#include "tests/support/TrackBuilder.h"
#include "track/TrackLayout.h"
#include "ui/headless/HeadlessPlatform.h"

namespace tarmaxion {
namespace {

using testing::TrackBuilder;

std::vector<std::uint8_t> BusyTrack() {
  TrackBuilder track;
  std::vector<std::uint16_t> runs;
  for (std::size_t i = 0; i < kMapAreaPixels / 16; ++i) {
    runs.push_back(static_cast<std::uint16_t>(16 << 4 | i % 16));
  }
  track.Landmap(runs).Heights(0).WaterLevel(255).WorldSize(100);
  constexpr std::array<std::int8_t, 17> kKinds = {10, 9,  17, 18, 1,  2,  3,  23, 25,
                                                  26, 27, 28, 29, 30, 31, 32, 33};
  for (int k = 0; k < 2000; ++k) {
    const auto x = static_cast<std::int16_t>(2 + k * 7919 % 1020);
    const auto y = static_cast<std::int16_t>(2 + k * 104729 % 1020);
    track.Object(kKinds[static_cast<std::size_t>(k) % kKinds.size()], x, y,
                 static_cast<std::uint8_t>(k % 256));
  }
  track.Record(1, "Bob", 4567).CarName(1, "Rocket");
  return track.Build();
}

void SetBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// Read, list and preview, as a click on "load" with a dialog answer runs them.
void LoadThroughProgram(benchmark::State& state) {
  const auto bytes = BusyTrack();
  const testing::TempDir dir;
  const auto path = dir.Write("busy.trk", bytes);
  HeadlessPlatform platform;
  Program program(platform);
  program.StartUp();
  for (auto _ : state) {
    platform.QueueDialogAnswer(path);
    program.Dispatch({EventKind::kControl, kLoadButton});
  }
  if (program.State().version_error) state.SkipWithError("the track was not accepted");
  SetBytes(state, bytes.size());
}
BENCHMARK(LoadThroughProgram)->Unit(benchmark::kMillisecond);

// The map build, water overlay and object markers on the parsed track; each load starts from a
// fresh copy, since the markers rewrite object types.
void PreviewSteps(benchmark::State& state) {
  const auto original = BusyTrack();
  const ByteReader reader(original);
  const auto layout = LocateRegions(reader).layout;
  const TrackInfo info = ReadTrackInfo(reader, TrackVersion::k110, *layout);
  std::vector<std::uint8_t> file(original.size());
  std::vector<std::uint8_t> bitmap(kMapBitmapSize);
  HeadlessPlatform glyphs;
  glyphs.LoadFont(kCaptionFont, "Lucida Console", 12);
  Graphics graphics(glyphs);
  for (auto _ : state) {
    std::memcpy(file.data(), original.data(), original.size());
    const ByteReader track(file);
    BuildMap(track, MapBitmap(bitmap.data(), kMapBitmapSize), info, kLandmapColours, "busy.trk",
             graphics, kMapImage, kCaptionFont);
    DrawWater(track, info, graphics, kMapImage);
    DrawObjects(file, info, kObjectColours, graphics, kMapImage);
    benchmark::DoNotOptimize(graphics.ImageAt(kMapImage));
  }
  SetBytes(state, original.size());
}
BENCHMARK(PreviewSteps)->Unit(benchmark::kMillisecond);

// For scale: copying the same bytes into the track buffer and nothing else.
void CopyTrackBytes(benchmark::State& state) {
  const auto original = BusyTrack();
  std::vector<std::uint8_t> buffer(kTrackBufferSize);
  for (auto _ : state) {
    std::memcpy(buffer.data(), original.data(), original.size());
    benchmark::ClobberMemory();
  }
  SetBytes(state, original.size());
}
BENCHMARK(CopyTrackBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarmaxion
