// One track's listing as a JSON object: its file name, then every field of the info list by
// name, numbers as numbers, texts in UTF-8 (read in the code page that "codepage" names), the
// seven records as an array; "error" with the window's message for a track that was not read.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>

#include "api/TrackApi.h"

namespace tarmaxion {

nlohmann::ordered_json InfoJson(const TrackReport& report, std::string_view utf8_file_name);

// The JSON as one line of text; bytes that are not UTF-8 show as U+FFFD.
std::string JsonLine(const nlohmann::ordered_json& json);

}  // namespace tarmaxion
