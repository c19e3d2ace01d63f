// trkconv convert over 1,000 generated tracks in one process, as a batch on the command line
// runs it: each track read, checked, remapped and written. Items are tracks, so
// items_per_second reads as tracks per second.
#include <benchmark/benchmark.h>

#include <deque>
#include <random>
#include <sstream>

#include "programs/trkconv/ConvertCommand.h"
#include "programs/trkconv/Trkconv.h"
#include "tests/support/TempDir.h"
#include "tools/builders/TrackBuilder.h"

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

// The generated tracks, written once for every benchmark of the run.
class Batch {
 public:
  Batch() {
    std::mt19937 random(1234);
    for (int i = 0; i < kTracks; ++i)
      tracks_.push_back(tracks_dir_.Write(std::to_string(i) + ".trk", GeneratedTrack(random)));
  }
  const std::vector<std::string>& Tracks() const { return tracks_; }

 private:
  testing::TempDir tracks_dir_;
  std::vector<std::string> tracks_;
};

const Batch& TheBatch() {
  static const Batch batch;
  return batch;
}

void Convert(benchmark::State& state, const cli::BatchOptions& options) {
  std::istringstream no_input;
  std::ostringstream lines;
  std::ostringstream errors;
  if (cli::RunConvert(options, {no_input, lines, errors, false, {}, {}, false, CodePage::k1252}) != cli::kExitSuccess) {
    state.SkipWithError(errors.str().c_str());
  }
}

// Every round replaces the copies of the round before, as a repeated batch with --force does.
void ConvertThousandTracks(benchmark::State& state) {
  cli::BatchOptions options;
  options.tracks = TheBatch().Tracks();
  options.jobs = static_cast<std::size_t>(state.range(0));
  const testing::TempDir out;
  options.out_dir = out.File("");
  options.replace = cli::Replace::kAllow;
  for (auto _ : state) Convert(state, options);
  state.SetItemsProcessed(state.iterations() * kTracks);
}

// Every round writes into a new, empty folder, as a first batch does. The folders are removed
// only at the end: ext4 makes each new file search past the inodes freed in the last seconds,
// which would charge one round with the clean-up of the round before.
void ConvertThousandTracksIntoNewFolder(benchmark::State& state) {
  cli::BatchOptions options;
  options.tracks = TheBatch().Tracks();
  options.jobs = static_cast<std::size_t>(state.range(0));
  std::deque<testing::TempDir> folders;
  for (auto _ : state) {
    state.PauseTiming();
    options.out_dir = folders.emplace_back().File("");
    state.ResumeTiming();
    Convert(state, options);
  }
  state.SetItemsProcessed(state.iterations() * kTracks);
}

// The argument is the number of tracks worked on at once (-j).
BENCHMARK(ConvertThousandTracks)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ConvertThousandTracksIntoNewFolder)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tarmaxion
