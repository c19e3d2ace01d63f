#include "api/InfoJson.h"

#include "base/Encoding.h"

namespace tarmaxion {
namespace {

const char* VersionName(TrackVersion version) { return version == TrackVersion::k110 ? "1.10" : "1.05"; }

nlohmann::ordered_json Records(const TrackInfo& info) {
  auto records = nlohmann::ordered_json::array();
  for (int i = 0; i < trk::kRecordCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    records.push_back({
        {"record", i == kBestRecord ? std::string("Best") : std::to_string(i)},
        {"driver", TrackText(info, info.driver_names[k]).Utf8()},
        {"lap_time", info.lap_times[k]},
        {"car", TrackText(info, info.car_names[k]).Utf8()},
    });
  }
  return records;
}

void AddListedFields(nlohmann::ordered_json& json, const TrackInfo& info) {
  json["world_size"] = info.world_size;
  json["water_level"] = info.water_level;
  json["angel"] = info.angel;
  json["rotation"] = info.rotation;
  json["zoom"] = info.zoom;
  json["start_finish_line"] = info.start_finish;
  json["landmap_size"] = info.landmap_size;
  json["object_count"] = info.layout.object_count;
  json["track_length"] = info.track_length;
  json["codepage"] = CodePageNumber(info.code_page);
  json["author"] = TrackText(info, info.author).Utf8();
  json["record_date"] = Utf8FromWindows1252(info.record_date);
  json["records"] = Records(info);
  json["ghost_frames"] = info.ghost_frames;
}

}  // namespace

nlohmann::ordered_json InfoJson(const TrackReport& report, std::string_view utf8_file_name) {
  nlohmann::ordered_json json;
  json["file"] = utf8_file_name;
  json["size"] = report.size;
  if (report.version) json["version"] = VersionName(*report.version);
  if (report.outcome == TrackOutcome::kRead) {
    AddListedFields(json, report.info);
  } else {
    json["error"] = report.message.Utf8();
  }
  return json;
}

std::string JsonLine(const nlohmann::ordered_json& json) {
  return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace tarmaxion
