// trkconv preview: the 512 x 560 map image as the window shows it after loading the track,
// written as PNG or BMP, with the caption in the compiled-in glyph table.
#pragma once

#include <ostream>
#include <string>

#include "programs/trkconv/OutputGuard.h"

namespace tarmaxion::cli {

struct PreviewOptions {
  std::string track;   // UTF-8 path
  std::string output;  // "" for the track's name with ".png" in place of its extension
  Replace replace = Replace::kRefuse;
};

std::string PreviewPath(const PreviewOptions& options);

// Writes the image and prints "<track> -> <image>"; true on success, else reported on err.
bool RunPreview(const PreviewOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tarmaxion::cli
