// What the window itself shows and writes for one track, run on the plain headless platform:
// the reference every trkconv test compares with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/builders/TrackBuilder.h"
#include "gfx/Glyphs.h"
#include "gfx/Image.h"
#include "base/Text.h"

namespace tarmaxion::testing {

struct WindowResult {
  std::vector<Text> lines;          // the info list, Windows-1252
  std::vector<Text> log;            // the six lines of the log panel, oldest first
  std::optional<Image> image;       // the map image, when one was built
  std::vector<std::uint8_t> saved;  // what "save as 1.05" wrote, when asked to save

  const Text& LastLog() const { return log.back(); }
};

// Presses "load" with track as the dialog's answer, then "save as 1.05" with save_to unless
// save_to is "". Glyphs come from glyphs, or from the deterministic font for nullptr.
WindowResult RunWindow(const std::string& track, const std::string& save_to = "",
                       GlyphSource* glyphs = nullptr);

// A 1.10 track with fields in every listed line, Windows-1252 texts, and objects of every
// remapped type both inside and outside the area the remap takes.
TrackBuilder RichTrack();

// The same colours in rows [0, rows) of both images.
bool SamePixels(const Image& a, const Image& b, int rows);

}  // namespace tarmaxion::testing
