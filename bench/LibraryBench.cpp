// The public C library on examples/lakeside.trk, as a program that links it calls it: open (with
// its info list and JSON), the 1.05 copy and the map's pixels, then the map as a PNG file.
// scripts/bench-npm sets the npm package's figures beside these.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "tarmaxion/track.h"

namespace {

std::vector<unsigned char> Lakeside() {
  std::ifstream file(TARMAXION_EXAMPLES "/lakeside.trk", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

void OpenInfoCopyMap(benchmark::State& state) {
  const auto bytes = Lakeside();
  for (auto _ : state) {
    tmx_track* track = tmx_open(bytes.data(), bytes.size(), "lakeside.trk");
    benchmark::DoNotOptimize(tmx_info_lines(track));
    benchmark::DoNotOptimize(tmx_info_json(track));
    const unsigned char* made = nullptr;
    size_t size = 0;
    int width = 0;
    int height = 0;
    if (tmx_copy_as_105(track, &made, &size) != TMX_OK || tmx_map_rgba(track, &made, &width, &height) != TMX_OK) {
      state.SkipWithError("lakeside.trk was not read");
    }
    benchmark::DoNotOptimize(made);
    tmx_close(track);
  }
}
BENCHMARK(OpenInfoCopyMap)->Unit(benchmark::kMicrosecond);

void MapPng(benchmark::State& state) {
  const auto bytes = Lakeside();
  tmx_track* track = tmx_open(bytes.data(), bytes.size(), "lakeside.trk");
  for (auto _ : state) {
    const unsigned char* png = nullptr;
    size_t size = 0;
    if (tmx_map_png(track, 0, 0, &png, &size) != TMX_OK) state.SkipWithError("lakeside.trk was not read");
    benchmark::DoNotOptimize(png);
  }
  tmx_close(track);
}
BENCHMARK(MapPng)->Unit(benchmark::kMicrosecond);

}  // namespace
