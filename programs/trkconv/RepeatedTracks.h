// A track given twice, under one name or two, is worked on once, as cp copies a file given
// twice once: its second output would otherwise be refused as written by this run.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tarmaxion::cli {

// Removes from tracks (UTF-8 paths) each one that names the same file as a track before it,
// with a warning on err; standard input ("-") and files that cannot be looked at stay.
void RemoveRepeatedTracks(std::vector<std::string>& tracks, std::ostream& err);

}  // namespace tarmaxion::cli
