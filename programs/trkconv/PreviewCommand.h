// trkconv preview: the 512 x 560 map image of each track as the window shows it after loading
// the track, with the caption in the compiled-in glyph table, written as PNG or BMP.
#pragma once

#include <string>

#include "programs/trkconv/BatchRun.h"

namespace tarmaxion::cli {

struct PreviewOptions {
  BatchOptions batch;
};

// Where the image of track goes: output, else the track's name with ".png" in place of its
// extension, in out_dir when one is given, else beside the track.
std::string PreviewPath(const BatchOptions& options, const std::string& track);

// Draws every track as RunBatch says; a stop line counts "images made". The format follows
// the name (FormatForName), which the command line has checked.
int RunPreview(const PreviewOptions& options, const Console& console);

}  // namespace tarmaxion::cli
