// Each raster primitive on an image the size of the map (512 x 560). Items are pixels written.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "gfx/Raster.h"

namespace tarmaxion {
namespace {

constexpr int kWidth = 512;
constexpr int kHeight = 560;
constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kRed = Rgb(255, 0, 0);

// A fan of lines from the top-left corner to every 16th pixel of the far edges.
void DrawLongLines(benchmark::State& state) {
  Image image(kWidth, kHeight, kWhite);
  std::int64_t pixels = 0;
  for (auto _ : state) {
    for (int x = 0; x < kWidth; x += 16) DrawLine(image, 0, 0, x, kHeight - 1, kBlack);
    for (int y = 0; y < kHeight; y += 16) DrawLine(image, 0, 0, kWidth - 1, y, kBlack);
    benchmark::DoNotOptimize(image.Pixels().data());
  }
  for (int x = 0; x < kWidth; x += 16) pixels += kHeight;
  for (int y = 0; y < kHeight; y += 16) pixels += kWidth;
  state.SetItemsProcessed(state.iterations() * pixels);
}
BENCHMARK(DrawLongLines);

// Lines whose ends lie a billion pixels away: the cost must follow the visible pixels only.
void DrawClippedLines(benchmark::State& state) {
  Image image(kWidth, kHeight, kWhite);
  constexpr int kFar = 1000000000;
  for (auto _ : state) {
    for (int y = 0; y < kHeight; y += 16) DrawLine(image, -kFar, y - 300, kFar, y + 300, kBlack);
    for (int x = 0; x < kWidth; x += 16) DrawLine(image, x + 200, -kFar, x - 200, kFar, kBlack);
    benchmark::DoNotOptimize(image.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * ((kHeight / 16) * kWidth + (kWidth / 16) * kHeight));
}
BENCHMARK(DrawClippedLines);

void FillBigBoxes(benchmark::State& state) {
  Image image(kWidth, kHeight, kWhite);
  for (auto _ : state) {
    FillBox(image, 0, 0, kWidth, kHeight, kBlack);
    FillBox(image, kWidth, kHeight, -kWidth, -kHeight, kWhite);
    FillBox(image, -100, -100, kWidth, kHeight, kRed);
    benchmark::DoNotOptimize(image.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() *
                          (2 * kWidth * kHeight + (kWidth - 100) * (kHeight - 100)));
}
BENCHMARK(FillBigBoxes);

// The whole image as one surface, filled alternately with two colours.
void FloodFillSurface(benchmark::State& state) {
  Image image(kWidth, kHeight, kWhite);
  Colour key = kWhite;
  Colour colour = kRed;
  for (auto _ : state) {
    FloodFill(image, kWidth / 2, kHeight / 2, FillMode::kSurface, key, colour);
    std::swap(key, colour);
    benchmark::DoNotOptimize(image.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(FloodFillSurface);

// A border fill whose brush stays fillable, so painted pixels are tracked in a mask; the image
// is a maze of short walls, which makes many spans.
void FloodFillBorderMaze(benchmark::State& state) {
  Image image(kWidth, kHeight, kWhite);
  for (int y = 2; y < kHeight; y += 4) {
    for (int x = (y / 4) % 2 * 8; x < kWidth; x += 16) FillBox(image, x, y, 7, 1, kBlack);
  }
  const std::int64_t fillable = static_cast<std::int64_t>(kWidth) * kHeight -
                                std::count(image.Pixels().begin(), image.Pixels().end(), kBlack);
  for (auto _ : state) {
    FloodFill(image, 0, 0, FillMode::kBorder, kBlack, kRed);
    benchmark::DoNotOptimize(image.Pixels().data());
  }
  state.SetItemsProcessed(state.iterations() * fillable);
}
BENCHMARK(FloodFillBorderMaze);

}  // namespace
}  // namespace tarmaxion
