#include "preview/WaterOverlay.h"

#include "track/TrackLayout.h"

namespace tarmaxion {
namespace {

constexpr int kCellsPerRow = 64;
constexpr int kCellSize = 8;
constexpr int kBottomCellTop = 503;

}  // namespace

void DrawWater(const ByteReader& track, const TrackInfo& info, Graphics& graphics, int image_slot) {
  const std::int64_t heightmap = info.layout.heightmap;
  graphics.BeginDrawing(image_slot);
  // Neighbouring water cells of one row are painted as one box: the same pixels in the same
  // colour, with one clip and one fill per row of pixels instead of one per cell.
  int run_start = 0;
  int run_length = 0;
  const auto paint_run = [&] {
    if (run_length == 0) return;
    const int column = kCellSize * (run_start % kCellsPerRow);
    const int row = kBottomCellTop - kCellSize * (run_start / kCellsPerRow);
    graphics.FillBox(column, row, kCellSize * run_length, kCellSize, kWaterColour);
    run_length = 0;
  };
  for (int k = 0; k < trk::kHeightmapSize && track.Covers(heightmap + k, 1); ++k) {
    if (k % kCellsPerRow == 0) paint_run();
    if (track.U8(heightmap + k) >= info.water_level) {
      paint_run();
    } else if (run_length++ == 0) {
      run_start = k;
    }
  }
  paint_run();
  graphics.EndDrawing();
}

}  // namespace tarmaxion
