// trkconv convert: the version-1.05 copy of each track, exactly the bytes that the window's
// "save as 1.05" writes after loading the track, made by the same core functions without the
// window (which would also draw the map that the copy does not need).
#pragma once

#include <string>

#include "programs/trkconv/BatchRun.h"

namespace tarmaxion::cli {

// Where the copy of track goes: output, else out_dir plus the window's default file name,
// else the window's default name ("_c.trk" in place of the last four characters).
std::string ConvertedPath(const BatchOptions& options, const std::string& track);

// Converts every track as RunBatch says; a stop line counts "copies made".
int RunConvert(const BatchOptions& options, const Console& console);

}  // namespace tarmaxion::cli
