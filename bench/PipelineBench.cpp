// The whole load pipeline on the benchmark tracks (typical, heavy, empty map, and the slowest
// known, a pile of grandstands), on the headless platform, each timed against the floor of a
// load (see FloorTiming.h).
//
//   ListAndPreview/<track>  the window model's load of bytes already in its buffer: the file
//                           line, ListTrack and BuildPreview
//   Load/<track>            the "load" click: ReadTrack from the file, ListTrack, BuildPreview
#include <benchmark/benchmark.h>

#include <algorithm>

#include "programs/window/Program.h"
#include "tools/builders/BenchTracks.h"
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
      : bytes_(track.bytes), path_(dir_.Write(track.name + ".trk", track.bytes)), program_(platform_) {
    program_.StartUp();
  }

  void Read() { std::copy(bytes_.begin(), bytes_.end(), model_.ReadBuffer().begin()); }
  void ListAndPreview() { model_.Load(ChosenFile{path_, FileRead(bytes_.size())}); }
  void Load() {
    platform_.QueueDialogAnswer(path_);
    program_.Dispatch({EventKind::kControl, kLoadButton});
  }
  // Whether the model of ListAndPreview, or the program's of Load, drew a map.
  bool ModelDrew() const { return Drew(model_); }
  bool ProgramDrew() const { return Drew(program_.Model()); }

 private:
  static bool Drew(const WindowModel& model) { return model.State() == LoadState::kMapped; }

  testing::TempDir dir_;
  std::vector<std::uint8_t> bytes_;
  std::string path_;
  HeadlessPlatform platform_;
  Program program_;
  WindowModel model_{&platform_.Glyphs()};
};

void ListAndPreview(benchmark::State& state, const bench::BenchTrack& track) {
  LoadBench load(track);
  // Every pass reads the file again first: the markers rewrite object types in the buffer,
  // so a load on the bytes the previous one left would draw a different picture.
  bench::TimeAgainstFloor(state, track.bytes, [&] { load.Read(); }, [&] { load.ListAndPreview(); });
  if (!load.ModelDrew()) state.SkipWithError("no map was drawn");
}

void Load(benchmark::State& state, const bench::BenchTrack& track) {
  LoadBench load(track);
  bench::TimeAgainstFloor(state, track.bytes, [] {}, [&] { load.Load(); });
  if (!load.ProgramDrew()) state.SkipWithError("no map was drawn");
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
