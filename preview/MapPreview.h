// The whole map of one track as the map view shows it: terrain with its caption, then water,
// then object markers, drawn into storage kept from one track to the next.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "gfx/Glyphs.h"
#include "gfx/Graphics.h"
#include "gfx/Image.h"
#include "track/TrackInfo.h"

namespace tarmaxion {

class MapPreview {
 public:
  // The caption is drawn in caption_glyphs' font kCaptionFont, which the owner of the glyphs
  // loads; without glyphs the caption band stays empty.
  explicit MapPreview(const GlyphSource* caption_glyphs);
  MapPreview(const MapPreview&) = delete;
  MapPreview& operator=(const MapPreview&) = delete;

  // Draws the map of a track that passed the checks; false when no image could be made.
  // utf8_file_name is the file part of the track's path. The track's bytes are read, never
  // changed.
  bool Draw(std::span<const std::uint8_t> track, const TrackInfo& info, std::string_view utf8_file_name);

  // The last map drawn, or nullptr before the first. It stays in place while later maps of the
  // same size are drawn, so a view may keep the pointer.
  const Image* Picture() const;

 private:
  NoGlyphs no_glyphs_;
  Graphics graphics_;
};

}  // namespace tarmaxion
