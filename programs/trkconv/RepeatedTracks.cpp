#include "programs/trkconv/RepeatedTracks.h"

#include <algorithm>
#include <map>
#include <unordered_set>

#include "base/NativePath.h"
#include "programs/trkconv/FileIdentity.h"
#include "programs/trkconv/TrackLoader.h"

namespace tarmaxion::cli {

void RemoveRepeatedTracks(std::vector<std::string>& tracks, std::ostream& err) {
  std::vector<std::string> once;
  std::unordered_set<std::string> names;
  std::map<FileKey, std::vector<std::size_t>> by_key;  // indexes into once
  for (auto& track : tracks) {
    if (track == kStandardStream) {
      once.push_back(std::move(track));
      continue;
    }
    if (!names.insert(track).second) {
      err << "trkconv: warning: " << track << " given twice; handled once\n";
      continue;
    }
    const auto path = NativePath(track);
    if (const auto key = KeyOf(path)) {
      auto& same_key = by_key[*key];
      const auto same = std::find_if(same_key.begin(), same_key.end(),
                                     [&](std::size_t earlier) { return SameFile(NativePath(once[earlier]), path); });
      if (same != same_key.end()) {
        err << "trkconv: warning: " << track << " is the same file as " << once[*same] << "; handled once\n";
        continue;
      }
      same_key.push_back(once.size());
    }
    once.push_back(std::move(track));
  }
  tracks = std::move(once);
}

}  // namespace tarmaxion::cli
