#include "api/TrackApi.h"

#include "api/TrackMessages.h"
#include "base/Encoding.h"
#include "preview/Caption.h"
#include "track/Conversion.h"

namespace tarmaxion {

TrackReport TooLargeReport(std::string_view utf8_file_name, std::uintmax_t size) {
  TrackReport report;
  report.outcome = TrackOutcome::kTooLarge;
  report.size = static_cast<std::size_t>(size);
  report.message = TooLargeMessage(utf8_file_name, size);
  return report;
}

const TrackReport& TrackApi::Open(std::span<const std::uint8_t> bytes, std::string_view utf8_file_name,
                                  CodePage code_page) {
  bytes_ = bytes;
  file_name_ = utf8_file_name;
  if (bytes.size() > kMaxTrackFileSize) return report_ = TooLargeReport(utf8_file_name, bytes.size());
  report_ = TrackReport{};
  report_.size = bytes.size();
  report_.info_lines.push_back(FileLine(utf8_file_name, static_cast<std::int64_t>(bytes.size())));

  const ByteReader track(bytes);
  report_.version = CheckVersion(track);
  if (!report_.version) {
    report_.outcome = TrackOutcome::kRefused;
    report_.message = kVersionCaution;
    return report_;
  }
  report_.info_lines.emplace_back(VersionLine(*report_.version));

  const auto located = LocateRegions(track);
  if (!located) {
    // Nothing more can be listed, drawn or converted safely from this file.
    report_.outcome = TrackOutcome::kDamaged;
    report_.damage = located.Failure().kind;
    report_.message = located.Failure().message;
    return report_;
  }
  report_.outcome = TrackOutcome::kRead;
  report_.info = ReadTrackInfo(track, *report_.version, *located, code_page);
  for (auto& line : InfoLines(report_.info)) report_.info_lines.emplace_back(std::move(line));
  return report_;
}

TrackMap TrackApi::Map() {
  if (report_.outcome != TrackOutcome::kRead) return {};
  if (!map_.Draw(bytes_, report_.info, file_name_)) return {};
  return {map_.Picture(), MapName()};
}

ShownText TrackApi::MapName() const {
  if (report_.outcome != TrackOutcome::kRead) return {};
  // The file name without its last four characters, the time and the driver.
  return ShownText::FromUtf8(DropLastCharacters(file_name_, 4)) + "_" + ChooseCaptionRecord(report_.info).name_tail;
}

std::span<const std::uint8_t> TrackApi::CopyAs105() {
  if (report_.outcome != TrackOutcome::kRead) return {};
  copy_.assign(bytes_.begin(), bytes_.end());
  ConvertTo105(copy_, report_.info.layout);
  return copy_;
}

}  // namespace tarmaxion
