// trkconv preview: the 512 x 560 map image of each track as the window shows it after loading
// the track, with the caption in the compiled-in glyph table, or its thumbnail; written as PNG
// or BMP.
#pragma once

#include <optional>
#include <string>

#include "api/Thumbnail.h"
#include "programs/trkconv/BatchRun.h"

namespace tarmaxion::cli {

struct PreviewOptions {
  BatchOptions batch;
  std::optional<int> size;  // the longer side of a thumbnail; none for the image at its own size
  ThumbnailArea area = ThumbnailArea::kWholeMap;
};

// Where the image of track goes: output, else the track's name with ".png" in place of its
// extension, in out_dir when one is given, else beside the track.
std::string PreviewPath(const BatchOptions& options, const std::string& track);

// Draws every track as RunBatch says; a stop line counts "images made". The format follows
// the name (FormatForName), which the command line has checked.
int RunPreview(const PreviewOptions& options, const Console& console);

}  // namespace tarmaxion::cli
