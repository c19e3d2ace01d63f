#include "preview/MapBuild.h"

#include "preview/Caption.h"
#include "preview/Landmap.h"

namespace tarmaxion {

std::optional<Text> BuildMap(const ByteReader& track, MapBitmap bitmap, const TrackInfo& info,
                             const LandmapColourTable& colours, const Text& track_file_name,
                             Graphics& graphics, int image_slot, int font_id) {
  ResetMapBitmap(bitmap);
  // Making the image from the blank bitmap first tells whether the image service can make
  // one at all before any terrain work is done; it also drops the previous track's image.
  if (!graphics.CreateImageFromBmp(image_slot, bitmap)) return std::nullopt;
  DecodeLandmap(track, bitmap, colours);
  graphics.CreateImageFromBmp(image_slot, bitmap);

  const CaptionRecord record = ChooseCaptionRecord(info);
  const Text track_name = TrackName(track_file_name);
  graphics.BeginDrawing(image_slot);
  graphics.SelectFont(font_id);
  DrawCaption(graphics, TimeText(record.time), track_name, record.names_line);
  graphics.EndDrawing();
  return track_name + "_" + record.name_tail;
}

}  // namespace tarmaxion
