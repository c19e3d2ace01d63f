#include "preview/MapBuild.h"

#include "gfx/Raster.h"
#include "preview/Caption.h"
#include "preview/Landmap.h"
#include "preview/MapImage.h"

namespace tarmaxion {

bool BuildMap(const ByteReader& track, const TrackInfo& info,
                             const LandmapColourTable& colours, std::string_view utf8_file_name,
                             Graphics& graphics, int image_slot, int font_id) {
  // The landmap and the band between them paint every pixel, so nothing of the previous
  // track's map survives in the reused image.
  Image* const map = graphics.PrepareImage(image_slot, kMapWidth, kMapHeight);
  if (map == nullptr) return false;
  DrawLandmap(track, *map, colours);
  FillBox(*map, 0, kMapAreaRows, kMapWidth, kMapHeight - kMapAreaRows, kBackgroundColour);

  const CaptionRecord record = ChooseCaptionRecord(info);
  graphics.BeginDrawing(image_slot);
  graphics.SelectFont(font_id);
  DrawCaption(graphics, TimeText(record.time), TrackName(utf8_file_name), record.names_line);
  graphics.EndDrawing();
  return true;
}

}  // namespace tarmaxion
