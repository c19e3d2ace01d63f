#include "preview/MapPreview.h"

#include "preview/Caption.h"
#include "preview/MapBuild.h"
#include "preview/ObjectMarkers.h"
#include "preview/Palette.h"
#include "preview/WaterOverlay.h"

namespace tarmaxion {
namespace {

constexpr int kMapSlot = 1;

}  // namespace

MapPreview::MapPreview(const GlyphSource* caption_glyphs)
    : graphics_(caption_glyphs != nullptr ? *caption_glyphs : no_glyphs_) {}

bool MapPreview::Draw(std::span<const std::uint8_t> track, const TrackInfo& info, std::string_view utf8_file_name) {
  const ByteReader reader(track);
  if (!BuildMap(reader, info, kLandmapColours, utf8_file_name, graphics_, kMapSlot, kCaptionFont)) return false;
  DrawWater(reader, info, graphics_, kMapSlot);
  DrawObjects(track, info, kObjectColours, graphics_, kMapSlot);
  return true;
}

const Image* MapPreview::Picture() const { return graphics_.ImageAt(kMapSlot); }

}  // namespace tarmaxion
