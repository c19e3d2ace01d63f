#include "tests/trkconv/WindowReference.h"

#include "tests/support/WindowRun.h"

namespace tarmaxion::testing {

WindowResult RunWindow(const std::string& track, const std::string& save_to, GlyphSource* glyphs) {
  WindowRun run(glyphs);
  run.Load(track);
  if (!save_to.empty()) run.Save(save_to);
  WindowResult result{run.Lines(), run.LogLines(), {}, {}};
  if (const Image* image = run.program.Model().MapImage()) result.image = *image;
  if (!save_to.empty()) result.saved = ReadBytes(save_to);
  return result;
}

TrackBuilder RichTrack() {
  TrackBuilder track;
  track.WorldSize(100).WaterLevel(40).Angel(7).RotationBytes(3, 255).Zoom(2).StartFinish(4);
  track.Landmap({0x1002, 0x2003, 0x0000}).Heights(60).Height(130, 10);
  for (std::int8_t type = 25; type <= 33; ++type) {
    track.Object(type, static_cast<std::int16_t>(40 * type), 512, 20);  // inside the map area
    track.Object(type, 0, 512);                                         // column 0: left alone
  }
  track.Object(17, 512, 512, 0).Object(2, 300, 700, 61).Object(9, 2, 2).Object(10, 1021, 1021);
  track.Author("  J\xF6rg B\xE9r\xE9nger ").TrackLength(123456);
  track.Record(0, "Zo\xEB", 2345).Record(1, "Bob", 4567).Record(2, "", 5000).Record(6, "Zed", -1);
  track.CarName(0, "Rocket").CarName(1, "Fl\xFCgel").CarName(6, "  Sled  ");
  track.Date({2010, 3, 7, 9, 5, 3}).GhostSize(2401);
  return track;
}

bool SamePixels(const Image& a, const Image& b, int rows) {
  if (a.Width() != b.Width() || a.Height() < rows || b.Height() < rows) return false;
  for (int y = 0; y < rows; ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.At(x, y) != b.At(x, y)) return false;
    }
  }
  return true;
}

}  // namespace tarmaxion::testing
