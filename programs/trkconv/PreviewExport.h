// trkconv preview: the 512 x 560 map image as the window shows it after loading the track,
// written as PNG or BMP. The caption is in the window's glyphs when caption_glyphs gives them.
#pragma once

#include <ostream>
#include <string>

#include "programs/trkconv/OutputGuard.h"
#include "gfx/Glyphs.h"

namespace tarmaxion::cli {

struct PreviewOptions {
  std::string track;   // UTF-8 path
  std::string output;  // "" for the track's name with ".png" in place of its extension
  Replace replace = Replace::kRefuse;
  GlyphSource* caption_glyphs = nullptr;  // nullptr: the caption band shows no text
};

std::string PreviewPath(const PreviewOptions& options);

// Writes the image and prints "<track> -> <image>"; true on success, else reported on err.
bool RunPreview(const PreviewOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tarmaxion::cli
