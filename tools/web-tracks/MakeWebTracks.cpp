// make-web-tracks FOLDER [COUNT]: writes the tracks the web page's tests load into the folder
// given: the typical benchmark track, and sixty (or COUNT) generated ones of both versions with
// assorted terrain, water, markers and records (texts and file names with Windows-1252 letters
// among them), every sixth refused and every sixth damaged. Past the sixtieth, which the page's
// tests know by name, damage cuts files anywhere (down to nothing) and names also come in
// letters Windows-1252 cannot spell and without ".trk", for scripts/compare-builds.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Files.h"
#include "base/NativePath.h"
#include "tools/builders/BenchTracks.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A small deterministic generator, so every run writes the same files.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed * 2654435761U + 1) {}
  std::uint32_t Below(std::uint32_t n) {
    state_ = state_ * 1664525U + 1013904223U;
    return (state_ >> 8) % n;
  }

 private:
  std::uint32_t state_;
};

// Names in Windows-1252 bytes, as track files hold them: e-acute, the euro sign, and an
// unassigned byte that the page must show as its C1 control.
const std::vector<std::string> kDrivers = {"Bob", "Ren\xE9", "Zo\xEB", "\x80uro", "A\x81z", "Li", ""};
const std::vector<std::string> kCars = {"Rocket", "Comet", "Fl\xE8" "che", "", "Blitz"};

TrackBuilder ReadableTrack(Dice& dice) {
  TrackBuilder track;
  track.Version(dice.Below(2) == 0 ? TrackBuilder::kVersion105 : TrackBuilder::kVersion110);
  track.WorldSize(static_cast<std::uint8_t>(20 + dice.Below(200)))
      .WaterLevel(static_cast<std::uint8_t>(dice.Below(3) == 0 ? 0 : dice.Below(256)))
      .Angel(static_cast<std::uint8_t>(dice.Below(256)))
      .RotationBytes(static_cast<std::uint8_t>(dice.Below(256)), static_cast<std::uint8_t>(dice.Below(4)))
      .Zoom(static_cast<std::uint8_t>(dice.Below(256)))
      .StartFinish(static_cast<std::uint8_t>(dice.Below(256)));
  std::vector<std::uint16_t> runs;
  const auto run_count = 1 + dice.Below(300);
  for (std::uint32_t i = 0; i < run_count; ++i) {
    runs.push_back(static_cast<std::uint16_t>(dice.Below(4096) << 4 | dice.Below(16)));
  }
  track.Landmap(runs);
  for (int k = 0; k < 4096; ++k) track.Height(k, static_cast<std::uint8_t>(dice.Below(256)));
  const auto objects = dice.Below(400);
  for (std::uint32_t k = 0; k < objects; ++k) {
    track.Object(static_cast<std::int8_t>(dice.Below(36)), static_cast<std::int16_t>(dice.Below(1100)),
                 static_cast<std::int16_t>(dice.Below(1100)), static_cast<std::uint8_t>(dice.Below(256)));
  }
  track.Author(kDrivers[dice.Below(static_cast<std::uint32_t>(kDrivers.size()))] + " builds")
      .TrackLength(static_cast<std::int32_t>(dice.Below(100000)));
  for (int i = 0; i < 7; ++i) {
    if (dice.Below(3) == 0) continue;
    const auto time = static_cast<std::int16_t>(dice.Below(9000));
    track.Record(i, kDrivers[dice.Below(static_cast<std::uint32_t>(kDrivers.size()))], time);
    track.CarName(i, kCars[dice.Below(static_cast<std::uint32_t>(kCars.size()))]);
  }
  if (dice.Below(4) == 0) track.GhostSize(static_cast<std::int16_t>(dice.Below(3000))).GhostData(dice.Below(5000));
  return track;
}

Bytes RefusedTrack(Dice& dice) {
  switch (dice.Below(3)) {
    case 0:
      return TrackBuilder().Version(static_cast<std::uint16_t>(300 + dice.Below(1000))).Build();
    case 1:
      return TrackBuilder().Magic("QZ").Build();
    default: {
      const Bytes whole = TrackBuilder().Build();
      return Bytes(whole.begin(), whole.begin() + 3);
    }
  }
}

Bytes DamagedTrack(Dice& dice, bool cut_anywhere) {
  if (cut_anywhere && dice.Below(2) == 0) {
    Bytes whole = ReadableTrack(dice).Build();
    whole.resize(dice.Below(static_cast<std::uint32_t>(whole.size())));
    return whole;
  }
  switch (dice.Below(4)) {
    case 0:
      return TrackBuilder().LandmapWordCount(-static_cast<std::int32_t>(2 + dice.Below(100))).Build();
    case 1:
      return TrackBuilder().ObjectCount(32767).Build();
    case 2:
      return TrackBuilder().RecordsOffset(static_cast<std::int32_t>(100000 + dice.Below(1000))).Build();
    default: {
      const Bytes whole = TrackBuilder().Build();
      return Bytes(whole.begin(), whole.begin() + 2000);
    }
  }
}

// File names are UTF-8 paths; a few carry letters the page must pass on in Windows-1252.
std::string FileName(int n) {
  const char* const stems[] = {"track", "piste-\xC3\xA9t\xC3\xA9", "\xE2\x82\xAC" "uro", "ring",
                               "\xD1\x82\xD1\x80\xD0\xB0\xD1\x81\xD1\x81\xD0\xB0", "\xCE\xB4\xCF\x81\xCF\x8C\xCE\xBC\xCE\xBF\xCF\x82", "x"};
  const int stem = n < 60 ? n % 4 : n % 7;
  return stems[stem] + std::string("-") + std::to_string(n) + (n >= 60 && n % 5 == 0 ? "" : ".trk");
}

}  // namespace
}  // namespace tarmaxion::testing

int main(int argc, char* argv[]) {
  using namespace tarmaxion;
  using namespace tarmaxion::testing;
  const int count = argc == 3 ? std::atoi(argv[2]) : 60;
  if (argc < 2 || argc > 3 || count < 0) {
    std::fprintf(stderr, "usage: make-web-tracks <folder> [count]\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  std::vector<std::pair<std::string, Bytes>> tracks = {{"typical.trk", bench::TypicalTrack().bytes}};
  for (int n = 0; n < count; ++n) {
    Dice dice(static_cast<std::uint32_t>(n));
    const Bytes bytes = n % 6 == 4   ? RefusedTrack(dice)
                        : n % 6 == 5 ? DamagedTrack(dice, n >= 60)
                                     : ReadableTrack(dice).Build();
    tracks.emplace_back(FileName(n), bytes);
  }
  for (const auto& [name, bytes] : tracks) {
    if (!WriteFileReplacing(Utf8Path(folder / NativePath(name)), bytes)) {
      std::fprintf(stderr, "make-web-tracks: cannot write %s\n", name.c_str());
      return 1;
    }
  }
  return 0;
}
