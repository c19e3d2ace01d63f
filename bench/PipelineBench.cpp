// The whole load pipeline on the benchmark tracks (typical, heavy, empty map, and the slowest
// known, a pile of grandstands), on the headless platform, each timed against the floor of a
// load (see FloorTiming.h).
//
//   ListAndPreview/<track>  ListTrack and BuildPreview on the bytes ReadTrack left in the buffer
//   Load/<track>            the "load" click: ReadTrack from the file, ListTrack, BuildPreview
#include <benchmark/benchmark.h>

#include "programs/window/Program.h"
#include "bench/BenchTracks.h"
#include "bench/FloorTiming.h"
#include "tests/support/TempDir.h"
#include "platform/headless/HeadlessPlatform.h"

namespace tarmaxion {
namespace {

// One program on the headless platform, started up, with the track written to a file that
// every dialog answer picks.
class LoadBench {
 public:
  explicit LoadBench(const bench::BenchTrack& track)
      : path_(dir_.Write(track.name + ".trk", track.bytes)), program_(platform_) {
    program_.StartUp();
  }

  void Read() {
    platform_.QueueDialogAnswer(path_);
    program_.ReadTrack();
  }
  void ListAndPreview() {
    program_.ListTrack();
    if (!program_.State().version_error) program_.BuildPreview();
  }
  void Load() {
    platform_.QueueDialogAnswer(path_);
    program_.Dispatch({EventKind::kControl, kLoadButton});
  }
  bool Drew() const {
    return !program_.State().version_error && program_.MapImage() != nullptr;
  }

 private:
  testing::TempDir dir_;
  std::string path_;
  HeadlessPlatform platform_;
  Program program_;
};

void ListAndPreview(benchmark::State& state, const bench::BenchTrack& track) {
  LoadBench load(track);
  // Every pass reads the file again first: the markers rewrite object types in the buffer,
  // so a load on the bytes the previous one left would draw a different picture.
  bench::TimeAgainstFloor(state, track.bytes, [&] { load.Read(); }, [&] { load.ListAndPreview(); });
  if (!load.Drew()) state.SkipWithError("no map was drawn");
}

void Load(benchmark::State& state, const bench::BenchTrack& track) {
  LoadBench load(track);
  bench::TimeAgainstFloor(state, track.bytes, [] {}, [&] { load.Load(); });
  if (!load.Drew()) state.SkipWithError("no map was drawn");
}

const bench::BenchTrack kTypical = bench::TypicalTrack();
const bench::BenchTrack kHeavy = bench::HeavyTrack();
const bench::BenchTrack kEmptyMap = bench::EmptyMapTrack();
const bench::BenchTrack kGrandstandPile = bench::GrandstandPileTrack();

BENCHMARK_CAPTURE(ListAndPreview, typical, kTypical)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ListAndPreview, heavy, kHeavy)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ListAndPreview, empty_map, kEmptyMap)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Load, typical, kTypical)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Load, heavy, kHeavy)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Load, empty_map, kEmptyMap)->UseManualTime()->Unit(benchmark::kMicrosecond);
// Seconds a load: one is enough to see it.
BENCHMARK_CAPTURE(Load, grandstand_pile, kGrandstandPile)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
}  // namespace tarmaxion
