// -r: the folders among a command's tracks, replaced by the track files found under them.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarmaxion::cli {

// Replaces each folder in tracks (UTF-8 paths) by the .trk files (in any letter case) in it and
// in its sub-folders, sorted by path so that every run takes them in one order. Links to
// folders inside are not followed, so no walk goes round in a circle. Prints a line on err for
// each folder that cannot be read, and a warning for a folder without tracks; false when a
// folder could not be read.
bool WalkFolders(std::vector<std::string>& tracks, std::ostream& err);

}  // namespace tarmaxion::cli
