// make-fuzz-seeds: writes the fuzzers' seed corpus into the folder given as its argument, one
// subfolder per target (load/, raster/, scale_down/). Small inputs that reach the readers' branches
// at once: valid tracks of both versions with every kind of marker, and tracks damaged in each
// region. The sample tracks in examples/ are seeds as well; scripts/fuzz passes that folder.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/LittleEndian.h"
#include "base/Files.h"
#include "base/NativePath.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A 1.05 track with water, a few terrain runs, one object of every drawn type and full records.
TrackBuilder EveryMarker() {
  TrackBuilder track;
  track.Version(TrackBuilder::kVersion105).WorldSize(50).WaterLevel(60);
  track.Landmap({0x1002, 0x0FF3, 0xFFF5, 0x0101, 0x2008});
  for (int k = 0; k < 64 * 64; k += 3) track.Height(k, static_cast<std::uint8_t>(k % 120));
  std::int16_t place = 40;
  for (const std::int8_t type : {1, 2, 3, 9, 10, 17, 18, 23, 25, 26, 27, 28, 29, 30, 31, 32}) {
    track.Object(type, place, static_cast<std::int16_t>(1000 - place), static_cast<std::uint8_t>(place));
    place = static_cast<std::int16_t>(place + 60);
  }
  track.Author("  Seed Author ").TrackLength(12345).Date({2011, 12, 31, 23, 59, 58});
  for (int i = 0; i < 7; ++i) {
    track.Record(i, "Driver" + std::to_string(i), static_cast<std::int16_t>(4000 + 37 * i));
    track.CarName(i, "Car" + std::to_string(i));
  }
  return track;
}

Bytes FirstBytes(const Bytes& bytes, std::size_t count) { return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count)); }

std::vector<std::pair<std::string, Bytes>> TrackSeeds() {
  const Bytes plain = TrackBuilder().Build();
  return {
      {"plain-110.trk", plain},
      {"every-marker-105.trk", EveryMarker().Build()},
      {"world-size-zero.trk", EveryMarker().WorldSize(0).Build()},
      {"odd-landmap.trk", TrackBuilder().Landmap({0x0012, 0x0FF4, 0x0FF6, 0x0109}).Build()},
      {"ghost-frames.trk", TrackBuilder().GhostSize(2401).GhostData(64).Build()},
      {"cut-mid-header.trk", FirstBytes(plain, 11)},
      {"cut-after-header.trk", FirstBytes(plain, 20)},
      {"cut-in-heightmap.trk", FirstBytes(plain, 2000)},
      {"landmap-negative.trk", TrackBuilder().LandmapWordCount(-12).Build()},
      {"objects-past-end.trk", TrackBuilder().ObjectCount(32767).Build()},
      {"records-past-end.trk", TrackBuilder().RecordsOffset(100000).Build()},
  };
}

// One raster call: operation (0 pixel, 1 box, 2 line, 3 border fill, 4 surface fill), x, y,
// a, b and colour, each a 32-bit little-endian word.
struct Call {
  std::int32_t op, x, y, a, b, colour;
};

Bytes Calls(std::initializer_list<Call> calls) {
  Bytes bytes;
  for (const auto& call : calls) {
    for (const std::int32_t word : {call.op, call.x, call.y, call.a, call.b, call.colour}) {
      bytes.resize(bytes.size() + 4);
      WriteU32(bytes, bytes.size() - 4, static_cast<std::uint32_t>(word));
    }
  }
  return bytes;
}

std::vector<std::pair<std::string, Bytes>> RasterSeeds() {
  constexpr std::int32_t kGrey = 0xAAAAAA;
  return {
      {"box-and-lines", Calls({{1, 10, 10, 100, 50, 0x0000FF},
                               {2, 0, 0, 511, 559, 0x00FF00},
                               {2, 600, -20, -40, 700, 0xFF0000},
                               {0, 511, 559, 0, 0, 0xFFFFFF}})},
      {"outline-then-fill", Calls({{2, 100, 100, 200, 120, kGrey},
                                   {2, 200, 120, 180, 220, kGrey},
                                   {2, 180, 220, 80, 200, kGrey},
                                   {2, 80, 200, 100, 100, kGrey},
                                   {3, 140, 160, kGrey, 0, 0x123456}})},
      {"surface-fill", Calls({{1, 0, 0, 512, 560, 0x010203}, {4, 5, 5, 0x010203, 0, 0x332211}})},
  };
}

// One downscale: width, height, rows and longer side as 32-bit little-endian words, then the
// bytes that grey pixels take their levels from, in turn.
Bytes Scale(std::int32_t width, std::int32_t height, std::int32_t rows, std::int32_t longer_side,
            const Bytes& levels) {
  Bytes bytes(16 + levels.size());
  std::copy(levels.begin(), levels.end(), bytes.begin() + 16);
  std::size_t at = 0;
  for (const std::int32_t word : {width, height, rows, longer_side}) {
    WriteU32(bytes, at, static_cast<std::uint32_t>(word));
    at += 4;
  }
  return bytes;
}

std::vector<std::pair<std::string, Bytes>> ScaleDownSeeds() {
  return {
      {"one-pixel", Scale(1, 1, 1, 1, {200})},
      {"map-to-thumbnail", Scale(512, 560, 512, 128, {0, 255, 255, 17, 90, 90, 90})},
      {"odd-sides", Scale(7, 699, 500, 13, {1, 2, 3, 250, 251})},
      {"one-row", Scale(700, 1, 1, 3, {9, 0, 255})},
  };
}

bool WriteAll(const std::filesystem::path& folder, const std::vector<std::pair<std::string, Bytes>>& seeds) {
  std::filesystem::create_directories(folder);
  for (const auto& [name, bytes] : seeds) {
    if (!WriteFileReplacing(Utf8Path(folder / name), bytes)) return false;
  }
  return true;
}

}  // namespace
}  // namespace tarmaxion::testing

int main(int argc, char* argv[]) {
  using namespace tarmaxion::testing;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-fuzz-seeds <corpus folder>\n");
    return 2;
  }
  const std::filesystem::path corpus = argv[1];
  if (!WriteAll(corpus / "load", TrackSeeds()) || !WriteAll(corpus / "raster", RasterSeeds()) ||
      !WriteAll(corpus / "scale_down", ScaleDownSeeds())) {
    std::fprintf(stderr, "make-fuzz-seeds: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
