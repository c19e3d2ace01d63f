// Where the time of one trkconv preview goes, stage by stage, on the typical benchmark track:
// reading the file, opening (checking and listing) it, drawing the map, scaling it to a
// thumbnail, encoding the image, and writing the file. TMPDIR picks the file system written to.
#include <benchmark/benchmark.h>

#include "api/PngEncoder.h"
#include "api/Thumbnail.h"
#include "api/TrackApi.h"
#include "api/TrackMessages.h"
#include "base/Files.h"
#include "tools/builders/BenchTracks.h"
#include "glyphs/table/TableGlyphs.h"
#include "preview/Caption.h"
#include "programs/trkconv/ImageFiles.h"
#include "tests/support/TempDir.h"

namespace tarmaxion {
namespace {

// The track, opened and drawn once; each stage repeats only its own step.
struct Drawn {
  Drawn() : api(&glyphs) {
    glyphs.LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
    api.Open(track.bytes, track.name);
    map = *api.Map().image;
  }
  bench::BenchTrack track = bench::TypicalTrack();
  TableGlyphs glyphs;
  TrackApi api;
  Image map{0, 0};
};

Drawn& TheTrack() {
  static Drawn drawn;
  return drawn;
}

void Read(benchmark::State& state) {
  const testing::TempDir dir;
  const auto path = dir.Write("typical.trk", TheTrack().track.bytes);
  std::vector<std::uint8_t> buffer(kMaxTrackFileSize);
  for (auto _ : state) benchmark::DoNotOptimize(ReadWholeFile(path, buffer).HasValue());
}

void Open(benchmark::State& state) {
  auto& drawn = TheTrack();
  for (auto _ : state) benchmark::DoNotOptimize(&drawn.api.Open(drawn.track.bytes, drawn.track.name));
  drawn.api.Open(drawn.track.bytes, drawn.track.name);
}

void Draw(benchmark::State& state) {
  auto& drawn = TheTrack();
  for (auto _ : state) benchmark::DoNotOptimize(drawn.api.Map().image);
}

void Scale(benchmark::State& state) {
  for (auto _ : state) {
    const auto thumbnail = MapThumbnail(TheTrack().map, static_cast<int>(state.range(0)), ThumbnailArea::kWholeMap);
    benchmark::DoNotOptimize(thumbnail.Pixels().data());
  }
}

// The argument is the thumbnail's longer side; 560 is the map at its own size.
void EncodePng(benchmark::State& state) {
  const auto image = MapThumbnail(TheTrack().map, static_cast<int>(state.range(0)), ThumbnailArea::kWholeMap);
  std::size_t size = 0;
  for (auto _ : state) size = EncodePng(image)->size();
  state.counters["bytes"] = static_cast<double>(size);
}

void EncodeBmp(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(cli::EncodeBmp(TheTrack().map).data());
}

void Write(benchmark::State& state) {
  const testing::TempDir dir;
  const auto png = *EncodePng(TheTrack().map);
  const auto path = dir.File("typical.png");
  for (auto _ : state) benchmark::DoNotOptimize(WriteFileReplacing(path, png).HasValue());
}

BENCHMARK(Read);
BENCHMARK(Open);
BENCHMARK(Draw);
BENCHMARK(Scale)->Arg(256)->Arg(128);
BENCHMARK(EncodePng)->Arg(560)->Arg(256)->Arg(128);
BENCHMARK(EncodeBmp);
BENCHMARK(Write);

}  // namespace
}  // namespace tarmaxion
