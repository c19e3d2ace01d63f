#include "track/TrackInfo.h"

namespace tarmaxion {
namespace {

Text RecordDateText(const ByteReader& track, std::int64_t date) {
  const auto year = track.S16(date + 0);
  const auto month = track.S16(date + 2);
  const auto day = track.S16(date + 6);
  const auto hour = track.S16(date + 8);
  const auto minute = track.S16(date + 10);
  const auto second = track.S16(date + 12);
  return DecimalText(day) + "." + DecimalText(month) + "." + DecimalText(year) + "   " +
         DecimalText(hour) + ":" + PadLeft(DecimalText(minute), 2, '0') + "." +
         PadLeft(DecimalText(second), 2, '0');
}

}  // namespace

std::int16_t RotationOf(std::uint8_t low, std::uint8_t high) {
  if (high == 0) return low;
  return static_cast<std::int16_t>(low - (high + 1));
}

TrackInfo ReadTrackInfo(const ByteReader& track, TrackVersion version, const TrackLayout& layout,
                        CodePage code_page) {
  TrackInfo info;
  info.version = version;
  info.code_page = code_page;
  info.layout = layout;
  info.world_size = track.U8(trk::kWorldSize);
  info.water_level = track.U8(trk::kWaterLevel);
  info.angel = track.U8(trk::kAngel);
  info.rotation = RotationOf(track.U8(trk::kRotationLow), track.U8(trk::kRotationHigh));
  info.zoom = track.U8(trk::kZoom);
  info.start_finish = track.U8(trk::kStartFinish);
  info.landmap_size = static_cast<std::int32_t>(2u * static_cast<std::uint32_t>(layout.landmap_words));
  const auto r = layout.records;
  info.track_length = track.S32(r - trk::kTrackLengthBeforeRecords);
  info.author = track.TrimmedText(r - trk::kAuthorBeforeRecords, trk::kAuthorLength);
  for (int i = 0; i < trk::kRecordCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    info.lap_times[k] = track.S16(r + trk::kLapTimes + 2 * i);
    info.driver_names[k] =
        track.TrimmedText(r + trk::kDriverNames + trk::kDriverNameField * i, trk::kDriverNameLength);
    info.car_names[k] =
        track.TrimmedText(r + trk::kCarBlocks + trk::kCarBlockSize * i, trk::kCarNameLength);
  }
  info.record_date = RecordDateText(track, layout.record_date);
  info.ghost_frames = static_cast<std::int16_t>(track.S16(layout.ghost) / 2);
  return info;
}

Text VersionLine(TrackVersion version) {
  return version == TrackVersion::k110 ? "Tarmaxion 1.10" : "Tarmaxion 1.05";
}

ShownText FileLine(std::string_view utf8_file_name, std::int64_t size) {
  return ShownText::FromUtf8(utf8_file_name) + ("   " + DecimalText(size) + " Bytes");
}

Text LengthLine(const TrackInfo& info) { return "Trk-L\xE4nge: " + DecimalText(info.track_length); }

ShownText TrackText(const TrackInfo& info, const Text& text) { return ShownText(text, info.code_page); }

ShownText AuthorLine(const TrackInfo& info) { return "Autor: " + TrackText(info, info.author); }

ShownText BestLapLine(const TrackInfo& info) {
  return "Best: " + TrackText(info, info.driver_names[kBestRecord]) + " " + DecimalText(info.lap_times[kBestRecord]);
}

std::vector<ShownText> InfoLines(const TrackInfo& info) {
  std::vector<ShownText> lines = {
      " ",
      "Worldsize: " + DecimalText(info.world_size),
      "Waterlevel: " + DecimalText(info.water_level),
      "Angel: " + DecimalText(info.angel),
      "Rotation: " + DecimalText(info.rotation),
      "Zoom: " + DecimalText(info.zoom),
      "S/F Line: " + DecimalText(info.start_finish),
      " ",
      "Landmap: " + DecimalText(info.landmap_size) + " Bytes",
      "# Objecte: " + DecimalText(info.layout.object_count),
      LengthLine(info),
      " ",
      AuthorLine(info),
      " ",
      BestLapLine(info) + "  " + info.record_date,
  };
  for (int i = 1; i < trk::kRecordCount; ++i) {
    const auto k = static_cast<std::size_t>(i);
    lines.push_back(ShownText(DecimalText(i)) + ".: " + TrackText(info, info.driver_names[k]) + " " + DecimalText(info.lap_times[k]));
  }
  lines.push_back(" ");
  lines.push_back("Car Best:" + TrackText(info, info.car_names[kBestRecord]));
  for (int i = 1; i < trk::kRecordCount; ++i) {
    lines.push_back(ShownText(DecimalText(i)) + ":" + TrackText(info, info.car_names[static_cast<std::size_t>(i)]));
  }
  lines.push_back(" ");
  lines.push_back("Ghost Frames:" + DecimalText(info.ghost_frames));
  return lines;
}

}  // namespace tarmaxion
