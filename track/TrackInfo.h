// The values the listing keeps for the preview and the save, and the info-list lines.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "track/ByteReader.h"
#include "track/TrackLayout.h"
#include "base/CodePage.h"
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
  // The author, driver and car names are bytes in the code page of the Windows the track was
  // made on; code_page is the one they are read in.
  CodePage code_page = CodePage::k1252;
  Text author;
  std::array<std::int16_t, trk::kRecordCount> lap_times{};
  std::array<Text, trk::kRecordCount> driver_names;
  std::array<Text, trk::kRecordCount> car_names;
  Text record_date;  // "7.3.2010   9:05.03"
  std::int16_t ghost_frames = 0;
};

// Reads every listed field, its texts to be read in code_page; layout must come from
// LocateRegions on the same data.
TrackInfo ReadTrackInfo(const ByteReader& track, TrackVersion version, const TrackLayout& layout,
                        CodePage code_page);

// b13 == 0 gives b12; otherwise b12 - (b13 + 1), as a signed 16-bit value.
std::int16_t RotationOf(std::uint8_t low, std::uint8_t high);

// The version line, e.g. "Tarmaxion 1.10".
Text VersionLine(TrackVersion version);

// Lines of the info list that a gallery card repeats; the best lap's without its date.
Text LengthLine(const TrackInfo& info);
ShownText AuthorLine(const TrackInfo& info);
ShownText BestLapLine(const TrackInfo& info);

// A text of the track in the page it was read in.
ShownText TrackText(const TrackInfo& info, const Text& text);

// Every line of the info list after the file line and the version line, in order.
std::vector<ShownText> InfoLines(const TrackInfo& info);

// The first line of the info list: file name, three spaces, size, " Bytes".
ShownText FileLine(std::string_view utf8_file_name, std::int64_t size);

}  // namespace tarmaxion
