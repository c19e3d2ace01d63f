// trkconv convert over 1,000 generated tracks in one process, as a batch on the command line
// runs it: each track loaded, listed, drawn and saved by the window's own commands. Items are
// tracks, so items_per_second reads as tracks per second.
#include <benchmark/benchmark.h>

#include <random>
#include <sstream>

#include "cli/ConvertCommand.h"
#include "tests/support/TempDir.h"
#include "tests/support/TrackBuilder.h"

namespace tarmaxion {
namespace {

constexpr int kTracks = 1000;

// Tracks of varied size: a few hundred landmap runs, some water, up to 300 objects of every
// kind the markers draw, remapped types among them.
std::vector<std::uint8_t> GeneratedTrack(std::mt19937& random) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> coordinate(0, 1100);
  std::uniform_int_distribution<int> count(0, 300);
  std::uniform_int_distribution<int> runs(50, 400);
  constexpr std::int8_t kTypes[] = {1, 2, 3, 9, 10, 17, 18, 23, 25, 26, 27, 28, 29, 30, 31, 32, 40};
  std::uniform_int_distribution<std::size_t> type(0, std::size(kTypes) - 1);

  testing::TrackBuilder track;
  std::vector<std::uint16_t> landmap;
  for (int i = runs(random); i > 0; --i)
    landmap.push_back(static_cast<std::uint16_t>(byte(random) << 4 | 11));
  landmap.push_back(0);
  track.Landmap(std::move(landmap)).WaterLevel(40);
  for (int i = 0; i < 4096; i += 7) track.Height(i, static_cast<std::uint8_t>(byte(random)));
  for (int i = count(random); i > 0; --i) {
    track.Object(kTypes[type(random)], static_cast<std::int16_t>(coordinate(random)),
                 static_cast<std::int16_t>(coordinate(random)), static_cast<std::uint8_t>(byte(random)));
  }
  track.Author("Bench").Record(0, "Ace", 2345).Record(1, "Bob", 4567).CarName(1, "Rocket");
  return track.Build();
}

void ConvertThousandTracks(benchmark::State& state) {
  const testing::TempDir dir;
  std::mt19937 random(1234);
  cli::ConvertOptions options;
  for (int i = 0; i < kTracks; ++i)
    options.tracks.push_back(dir.Write(std::to_string(i) + ".trk", GeneratedTrack(random)));
  const testing::TempDir out;
  options.out_dir = out.File("");
  options.replace = cli::Replace::kAllow;  // later rounds replace the copies of the first

  for (auto _ : state) {
    std::ostringstream lines;
    std::ostringstream errors;
    if (!cli::RunConvert(options, lines, errors)) state.SkipWithError(errors.str().c_str());
  }
  state.SetItemsProcessed(state.iterations() * kTracks);
}

BENCHMARK(ConvertThousandTracks)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarmaxion
