// trkconv convert: the version-1.05 copy of each track, exactly the bytes that the window's
// "save as 1.05" writes after loading the track, made by the same core functions without the
// window (which would also draw the map that the copy does not need).
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "programs/trkconv/OutputGuard.h"

namespace tarmaxion::cli {

// Batches longer than this show a progress bar, when one is wanted at all.
inline constexpr std::size_t kProgressBarFrom = 21;

struct ConvertOptions {
  std::vector<std::string> tracks;  // UTF-8 paths
  std::string output;               // the copy's path, for a single track
  std::string out_dir;              // the folder for the copies, under their default names
  Replace replace = Replace::kRefuse;
  bool progress_bar = false;  // err is a terminal that may show one
};

// Where the copy of track goes: output, else out_dir plus the window's default file name,
// else the window's default name ("_c.trk" in place of the last four characters).
std::string ConvertedPath(const ConvertOptions& options, const std::string& track);

// Converts every track, one line "<track> -> <copy>" on out for each; a file that fails is
// reported on err and does not stop the others. A request to stop (Ctrl-C, SIGTERM...) ends the
// batch after the copy in hand, with one line on err saying how far it got. The exit code:
// kExitSuccess when every track was converted, kExitFailure when one was not, and the stop
// request's (130 for Ctrl-C) when the batch was stopped.
int RunConvert(const ConvertOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tarmaxion::cli
