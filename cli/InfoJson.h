// One track's listing as a JSON object: every field of the info list by name, numbers as
// numbers, texts in UTF-8, the seven records as an array; "error" for a track the window
// refused.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "cli/HeadlessWindow.h"

namespace tarmaxion::cli {

// info is used only for a listed track.
nlohmann::ordered_json TrackJson(const std::string& path, const LoadedTrack& loaded, const TrackInfo& info);

}  // namespace tarmaxion::cli
