#include "programs/trkconv/WalkFolders.h"

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "base/NativePath.h"
#include "track/Conversion.h"
#include "programs/trkconv/Failure.h"

namespace tarmaxion::cli {
namespace {

namespace fs = std::filesystem;

// A name that ends in ".trk" in any case after a stem of its own, as the copy's name reads it.
bool IsTrackName(const fs::path& path) {
  const std::string name = Utf8Path(path.filename());
  const std::string_view stem = TrackStem(name);
  return !stem.empty() && stem.size() < name.size();
}

// The tracks under folder, sorted; false when a folder on the way could not be read. A stack of
// folders rather than recursion: a deep tree cannot exhaust the call stack.
bool AddTracksUnder(const std::string& folder, std::vector<std::string>& tracks, std::ostream& err) {
  std::vector<std::string> found;
  bool complete = true;
  std::vector<fs::path> folders{NativePath(folder)};
  while (!folders.empty()) {
    const auto current = std::move(folders.back());
    folders.pop_back();
    std::error_code error;
    for (fs::directory_iterator entry(current, error), end; !error && entry != end; entry.increment(error)) {
      std::error_code entry_error;
      if (fs::is_directory(entry->symlink_status(entry_error))) {
        folders.push_back(entry->path());
      } else if (IsTrackName(entry->path()) && entry->is_regular_file(entry_error)) {
        found.push_back(Utf8Path(entry->path()));
      }
    }
    if (error) {
      ReportFailure(err, Utf8Path(current), error.message());
      complete = false;
    }
  }
  if (found.empty() && complete) err << "trkconv: warning: " << folder << " holds no .trk file\n";
  std::sort(found.begin(), found.end());
  tracks.insert(tracks.end(), found.begin(), found.end());
  return complete;
}

}  // namespace

bool WalkFolders(std::vector<std::string>& tracks, std::ostream& err) {
  std::vector<std::string> walked;
  bool complete = true;
  for (auto& track : tracks) {
    std::error_code error;
    if (fs::is_directory(NativePath(track), error)) {
      complete = AddTracksUnder(track, walked, err) && complete;
    } else {
      walked.push_back(std::move(track));
    }
  }
  tracks = std::move(walked);
  return complete;
}

}  // namespace tarmaxion::cli
