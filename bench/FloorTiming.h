// Times a load against the floor of a load: copying the file's bytes into memory plus one fill
// of the 512 x 560 map image. The floor runs inside the same iterations, just before each timed
// load, and both are timed in the process's CPU time, so neither other processes on a shared
// machine nor drift between benchmarks moves one against the other. The benchmark reports the
// load's CPU time; the counter floor_x is that as a multiple of the floor's, floor_us the
// floor's own time.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace tarmaxion::bench {

// Runs untimed, then the floor, then timed, once per iteration. Register the benchmark with
// UseManualTime().
void TimeAgainstFloor(benchmark::State& state, const std::vector<std::uint8_t>& file,
                      const std::function<void()>& untimed, const std::function<void()>& timed);

}  // namespace tarmaxion::bench
