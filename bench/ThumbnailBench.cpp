// The map's thumbnail at the sizes file managers ask for most. Items are source pixels read.
#include <benchmark/benchmark.h>

#include <random>

#include "api/Thumbnail.h"

namespace tarmaxion {
namespace {

void MapThumbnailOfWholeMap(benchmark::State& state) {
  Image map(512, 560);
  std::mt19937 random(1);
  for (Colour& pixel : map.Pixels()) pixel = random() & 0xFFFFFF;
  const int longer_side = static_cast<int>(state.range(0));
  for (auto _ : state) {
    Image thumbnail = MapThumbnail(map, longer_side, ThumbnailArea::kWholeMap);
    benchmark::DoNotOptimize(thumbnail.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * 512 * 560);
}
BENCHMARK(MapThumbnailOfWholeMap)->Arg(256)->Arg(128);

}  // namespace
}  // namespace tarmaxion
