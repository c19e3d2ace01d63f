// One track's listing as a JSON object: every field of the info list by name, numbers as
// numbers, texts in UTF-8, the seven records as an array; "error" for a track that could not
// be read or that the window refuses. A path that is not UTF-8 also comes as "path_bytes", its
// exact bytes in base64.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "api/TrackApi.h"
#include "programs/trkconv/Failure.h"

namespace tarmaxion::cli {

nlohmann::ordered_json TrackJson(const std::string& path, const Result<const TrackReport*, Failure>& loaded);

}  // namespace tarmaxion::cli
