// The values the listing keeps for the preview and the save, and the info-list lines.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "track/ByteReader.h"
#include "track/TrackLayout.h"
#include "base/ShownText.h"
#include "base/Text.h"

namespace tarmaxion {

// Index 0 of the record arrays is the Best record, 1 to 6 the numbered records.
inline constexpr int kBestRecord = 0;

struct TrackInfo {
  TrackVersion version = TrackVersion::k105;
  TrackLayout layout;
  std::uint8_t world_size = 0;
  std::uint8_t water_level = 0;
  std::uint8_t angel = 0;
  std::int16_t rotation = 0;
  std::uint8_t zoom = 0;
  std::uint8_t start_finish = 0;
  std::int32_t landmap_size = 0;  // 2W bytes, as the list shows it
  std::int32_t track_length = 0;
  Text author;
  std::array<std::int16_t, trk::kRecordCount> lap_times{};
  std::array<Text, trk::kRecordCount> driver_names;
  std::array<Text, trk::kRecordCount> car_names;
  Text record_date;  // "7.3.2010   9:05.03"
  std::int16_t ghost_frames = 0;
};

// Reads every listed field; layout must come from LocateRegions on the same data.
TrackInfo ReadTrackInfo(const ByteReader& track, TrackVersion version, const TrackLayout& layout);

// b13 == 0 gives b12; otherwise b12 - (b13 + 1), as a signed 16-bit value.
std::int16_t RotationOf(std::uint8_t low, std::uint8_t high);

// The version line, e.g. "Tarmaxion 1.10".
Text VersionLine(TrackVersion version);

// Lines of the info list that a gallery card repeats; the best lap's without its date.
Text LengthLine(const TrackInfo& info);
Text AuthorLine(const TrackInfo& info);
Text BestLapLine(const TrackInfo& info);

// Every line of the info list after the file line and the version line, in order.
std::vector<Text> InfoLines(const TrackInfo& info);

// The first line of the info list: file name, three spaces, size, " Bytes".
ShownText FileLine(std::string_view utf8_file_name, std::int64_t size);

}  // namespace tarmaxion
