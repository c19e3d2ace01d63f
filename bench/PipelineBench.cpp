// The whole load pipeline on three tracks (typical, heavy, empty map), each timed against the
// floor of a load: copying the file's bytes into memory plus one fill of the 512 x 560 map
// image. The floor runs inside the same iterations, just before each timed load, and both are
// timed in the process's CPU time, so neither other processes on a shared machine nor drift
// between benchmarks moves one against the other. The reported time is the load's CPU time;
// the counter floor_x is that as a multiple of the floor's, floor_us the floor's own.
//
//   ListAndPreview/<track>  ListTrack and BuildPreview on the bytes ReadTrack left in the buffer
//   Load/<track>            the "load" click: ReadTrack from the file, ListTrack, BuildPreview
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

#include "app/Program.h"
#include "bench/BenchTracks.h"
#include "preview/MapBitmap.h"
#include "tests/support/TempDir.h"
#include "ui/headless/HeadlessPlatform.h"

namespace tarmaxion {
namespace {

// CPU seconds this process has used; the program runs on one thread.
double CpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The least any load has to do: the file's bytes into the track buffer, every map pixel set.
class Floor {
 public:
  explicit Floor(const std::vector<std::uint8_t>& file)
      : file_(file), buffer_(kTrackBufferSize), image_(std::size_t{kMapWidth} * kMapHeight) {}

  void Run() {
    std::memcpy(buffer_.data(), file_.data(), file_.size());
    std::fill(image_.begin(), image_.end(), ++colour_);
    benchmark::ClobberMemory();
  }

 private:
  const std::vector<std::uint8_t>& file_;
  std::vector<std::uint8_t> buffer_;
  std::vector<std::uint32_t> image_;
  std::uint32_t colour_ = 0;
};

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
  bool Accepted() const {
    return !program_.State().version_error && program_.Drawing().ImageExists(kMapImage);
  }

 private:
  testing::TempDir dir_;
  std::string path_;
  HeadlessPlatform platform_;
  Program program_;
};

// Times `timed` against the floor on every iteration; `untimed` runs first, outside both.
void TimeAgainstFloor(benchmark::State& state, const bench::BenchTrack& track,
                      const std::function<void()>& untimed, const std::function<void()>& timed) {
  Floor floor(track.bytes);
  double floor_total = 0;
  double timed_total = 0;
  for (auto _ : state) {
    untimed();
    const double start = CpuSeconds();
    floor.Run();
    const double middle = CpuSeconds();
    timed();
    const double end = CpuSeconds();
    floor_total += middle - start;
    timed_total += end - middle;
    state.SetIterationTime(end - middle);
  }
  const auto iterations = static_cast<double>(state.iterations());
  state.counters["floor_x"] = timed_total / floor_total;
  state.counters["floor_us"] = floor_total * 1e6 / iterations;
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(track.bytes.size()));
}

void ListAndPreview(benchmark::State& state, const bench::BenchTrack& track) {
  LoadBench bench(track);
  // Every pass reads the file again first: the markers rewrite object types in the buffer,
  // so a load on the bytes the previous one left would draw a different picture.
  TimeAgainstFloor(state, track, [&] { bench.Read(); }, [&] { bench.ListAndPreview(); });
  if (!bench.Accepted() && track.name != "empty_map") state.SkipWithError("no map was drawn");
}

void Load(benchmark::State& state, const bench::BenchTrack& track) {
  LoadBench bench(track);
  TimeAgainstFloor(state, track, [] {}, [&] { bench.Load(); });
  if (!bench.Accepted() && track.name != "empty_map") state.SkipWithError("no map was drawn");
}

const bench::BenchTrack kTypical = bench::TypicalTrack();
const bench::BenchTrack kHeavy = bench::HeavyTrack();
const bench::BenchTrack kEmptyMap = bench::EmptyMapTrack();

BENCHMARK_CAPTURE(ListAndPreview, typical, kTypical)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ListAndPreview, heavy, kHeavy)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ListAndPreview, empty_map, kEmptyMap)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Load, typical, kTypical)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Load, heavy, kHeavy)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Load, empty_map, kEmptyMap)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarmaxion
