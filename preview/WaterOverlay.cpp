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
  for (int k = 0; k < trk::kHeightmapSize && track.Covers(heightmap + k, 1); ++k) {
    if (track.U8(heightmap + k) >= info.water_level) continue;
    const int column = kCellSize * (k % kCellsPerRow);
    const int row = kBottomCellTop - kCellSize * (k / kCellsPerRow);
    graphics.FillBox(column, row, kCellSize, kCellSize, kWaterColour);
  }
  graphics.EndDrawing();
}

}  // namespace tarmaxion
