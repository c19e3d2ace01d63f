// The load command's preview steps: map with caption, water overlay, object markers.
#include <span>

#include "app/Program.h"
#include "app/TrackMessages.h"
#include "preview/MapBuild.h"
#include "preview/ObjectMarkers.h"
#include "preview/WaterOverlay.h"

namespace tarmaxion {

void Program::BuildPreview() {
  const auto buffer = std::span(state_.track_buffer);
  const auto file = buffer.first(static_cast<std::size_t>(state_.loaded_size));
  const ByteReader track(file);
  const auto bitmap = buffer.subspan(state_.map_bitmap_position).first<kMapBitmapSize>();

  const auto map_name =
      BuildMap(track, bitmap, state_.track, state_.landmap_colours, DisplayName(state_.track_path),
               graphics_, kMapImage, kCaptionFont);
  if (map_name) {
    ShowMap();
    Report(*map_name);
  }
  DrawWater(track, state_.track, graphics_, kMapImage);
  ShowMap();
  DrawObjects(file, state_.track, state_.object_colours, graphics_, kMapImage);
  ShowMap();
}

void Program::ShowMap() { platform_.ShowImage(kMapView, graphics_.ImageAt(kMapImage)); }

}  // namespace tarmaxion
