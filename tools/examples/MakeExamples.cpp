// make-examples: writes the sample tracks of this folder (lakeside.trk, version 1.10, and
// quarry.trk, version 1.05) into the folder given as its argument. The tracks are made here
// from scratch, so the output is the same on every machine and a test compares it with the
// committed files.
#include <cstdio>
#include <string>
#include <vector>

#include "base/Files.h"
#include "tools/examples/Terrain.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion::examples {
namespace {

using testing::RecordDate;
using testing::TrackBuilder;

// Terrain codes by what they show in the preview.
enum : std::uint8_t {
  kAsphalt = 0, kConcrete = 1, kGrass = 2, kMeadow = 3, kDirt = 4, kSand = 5, kClay = 6,
  kGravel = 7, kStone = 8, kWhite = 9, kYellow = 10, kRed = 11, kDarkGrey = 12, kBlack = 13,
};

// Heights of a bowl around heightmap cell (32, 32): lowest in the middle, rising with the
// scaled squared distance, so the cells below the water level form an ellipse.
void Bowl(TrackBuilder& track, int floor, int scale_x, int scale_y) {
  for (int k = 0; k < 64 * 64; ++k) {
    const int dx = k % 64 - 32;
    const int dy = k / 64 - 32;
    const int height = floor + (scale_x * dx * dx + scale_y * dy * dy) / 36;
    track.Height(k, static_cast<std::uint8_t>(height < 250 ? height : 250));
  }
}

// Objects are placed on map cells; world units are twice the cell numbers.
void Place(TrackBuilder& track, std::int8_t type, int column, int row, std::uint8_t heading = 0) {
  track.Object(type, static_cast<std::int16_t>(2 * column), static_cast<std::int16_t>(2 * row), heading);
}

void Records(TrackBuilder& track, const std::vector<std::string>& drivers, const std::vector<std::string>& cars,
             std::int16_t best_time) {
  for (int i = 0; i < 7; ++i) {
    const auto index = static_cast<std::size_t>(i);
    track.Record(i, drivers[index], static_cast<std::int16_t>(best_time + 97 * i));
    track.CarName(i, cars[index]);
  }
}

// An oval road with red and white kerbs around a lake, a chequered start line on the bottom
// straight, pits, a car park and every kind of object marker.
TrackBuilder Lakeside() {
  Terrain land(kGrass);
  land.Box(0, 0, 512, 36, kMeadow);
  land.Box(0, 476, 512, 512, kMeadow);
  land.Ellipse(60, 80, 30, 20, kDirt);
  land.Ellipse(460, 90, 25, 35, kDirt);
  land.Ellipse(40, 300, 16, 44, kClay);
  land.Ellipse(472, 300, 18, 40, kGravel);
  land.Ring(256, 256, 206, 156, 200, 150, kRed);
  land.Ring(256, 256, 200, 150, 172, 122, kAsphalt);
  land.Ring(256, 256, 172, 122, 166, 116, kWhite);
  land.Ellipse(256, 256, 70, 50, kSand);
  land.Checker(250, 106, 262, 135, 4, kWhite, kBlack);
  land.Box(40, 420, 120, 460, kBlack);
  land.Box(140, 414, 372, 422, kDarkGrey);
  land.Box(140, 422, 372, 424, kYellow);
  land.Checker(420, 440, 500, 500, 10, kConcrete, kStone);

  TrackBuilder track;
  track.Version(TrackBuilder::kVersion110).WorldSize(100).WaterLevel(40).Angel(12);
  track.RotationBytes(30, 0).Zoom(3).StartFinish(1).Landmap(land.RunWords());
  Bowl(track, 4, 25, 49);

  Place(track, 17, 256, 470);  // grandstand above the pits
  Place(track, 18, 256, 42);   // grandstand below the start line
  Place(track, 1, 200, 116);   // the starting grid, facing right
  Place(track, 2, 200, 126);
  Place(track, 3, 170, 116);
  Place(track, 23, 170, 126);
  Place(track, 2, 300, 392, 122);  // a car on the top straight, facing left
  for (const auto& [column, row] : {std::pair{30, 200}, {40, 230}, {25, 260}, {480, 200}, {490, 240}, {100, 40}}) {
    Place(track, 9, column, row);  // trees
  }
  for (const auto& [column, row] : {std::pair{245, 100}, {267, 100}, {245, 140}, {267, 140}}) {
    Place(track, 10, column, row);  // cones at the start line
  }
  for (int type = 25; type <= 33; ++type) Place(track, static_cast<std::int8_t>(type), 160 + 25 * (type - 25), 340);

  track.Author("Example Crew").TrackLength(3120);
  Records(track, {"Ace", "Bob", "Cleo", "Dana", "Eli", "Fay", "Gus"},
          {"Comet", "Rocket", "Falcon", "Viper", "Nova", "Blaze", "Drift"}, 2345);
  track.Date(RecordDate{2011, 6, 21, 14, 30, 9});
  track.GhostSize(2401).GhostData(2400);
  return track;
}

// A square circuit around a flooded quarry pit, in the older file version.
TrackBuilder Quarry() {
  Terrain land(kDirt);
  land.Box(0, 0, 512, 20, kMeadow);
  land.Box(0, 492, 512, 512, kMeadow);
  land.Box(70, 70, 442, 442, kConcrete);
  land.Box(100, 100, 412, 412, kDirt);
  land.Box(70, 442, 442, 452, kSand);
  land.Checker(250, 70, 262, 100, 5, kWhite, kBlack);
  land.Ellipse(256, 256, 90, 90, kBlack);
  land.Ellipse(256, 256, 60, 60, kDarkGrey);
  land.Box(20, 20, 60, 60, kYellow);
  land.Box(452, 20, 492, 60, kRed);
  land.Box(452, 452, 492, 492, kStone);

  TrackBuilder track;
  track.Version(TrackBuilder::kVersion105).WorldSize(150).WaterLevel(60).Angel(40);
  track.RotationBytes(3, 255).Zoom(2).StartFinish(2).Landmap(land.RunWords());
  Bowl(track, 10, 72, 72);

  Place(track, 17, 256, 470);
  Place(track, 2, 200, 85);
  Place(track, 1, 85, 256, 61);
  Place(track, 3, 427, 256, 183);
  Place(track, 23, 300, 427, 122);
  for (const auto& [column, row] : {std::pair{30, 150}, {30, 350}, {480, 150}, {480, 350}}) Place(track, 9, column, row);
  for (const auto& [column, row] : {std::pair{245, 65}, {267, 65}}) Place(track, 10, column, row);
  Place(track, 26, 150, 150);
  Place(track, 30, 360, 360);

  track.Author("Example Crew").TrackLength(2480);
  Records(track, {"Hal", "Ivy", "Jon", "Kim", "Lou", "Max", "Ned"},
          {"Badger", "Mole", "Otter", "Stoat", "Vole", "Mink", "Hare"}, 3012);
  track.Date(RecordDate{2009, 11, 2, 8, 7, 51});
  track.GhostSize(1000).GhostData(1000);
  return track;
}

}  // namespace
}  // namespace tarmaxion::examples

int main(int argc, char* argv[]) {
  using namespace tarmaxion::examples;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-examples <folder>\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  if (!tarmaxion::WriteFileReplacing(folder + "lakeside.trk", Lakeside().Build()) ||
      !tarmaxion::WriteFileReplacing(folder + "quarry.trk", Quarry().Build())) {
    std::fprintf(stderr, "make-examples: cannot write into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
