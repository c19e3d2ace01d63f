#include "bench/FloorTiming.h"

#include <time.h>

#include <algorithm>
#include <cstring>

#include "api/TrackMessages.h"
#include "preview/MapImage.h"

namespace tarmaxion::bench {
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
      : file_(file), buffer_(kMaxTrackFileSize), image_(std::size_t{kMapWidth} * kMapHeight) {}

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

}  // namespace

void TimeAgainstFloor(benchmark::State& state, const std::vector<std::uint8_t>& file,
                      const std::function<void()>& untimed, const std::function<void()>& timed) {
  Floor floor(file);
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
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
}

}  // namespace tarmaxion::bench
