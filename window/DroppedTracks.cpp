#include "window/DroppedTracks.h"

#include <algorithm>
#include <tuple>

#include "api/TrackMessages.h"
#include "base/Encoding.h"
#include "base/PathParts.h"
#include "preview/Caption.h"
#include "track/Conversion.h"
#include "track/TrackInfo.h"

namespace tarmaxion {
namespace {

Text Count(std::size_t count) { return DecimalText(static_cast<std::int64_t>(count)); }

// A card reads its best lap in seconds, as the map's caption does, not in the info list's
// hundredths; a time the game counts as none reads as the caption says it.
ShownText BestLapSeconds(const TrackInfo& info) {
  const std::int16_t time = info.lap_times[kBestRecord];
  if (time >= kNoLapTime) return "no Best Time";
  return "Best: " + TrackText(info, info.driver_names[kBestRecord]) + " " + TimeText(time);
}

void Describe(DroppedTrack& track) {
  const TrackInfo& info = track.info;
  track.lines = {VersionLine(info.version), LengthLine(info), AuthorLine(info), BestLapSeconds(info)};
}

// What the filter looks for: the name, the card's lines and the copy's name.
void Index(DroppedTrack& track) {
  std::string searched = track.name;
  for (const auto& line : track.lines) searched.append("\n").append(line.Utf8());
  searched.append("\n").append(track.copy_name);
  track.search_text = CaseFolded(searched);
}

}  // namespace

const DroppedTrack& DroppedTracks::Add(std::string_view utf8_name, const FileRead& read,
                                       std::span<const std::uint8_t> bytes) {
  DroppedTrack& track = tracks_.emplace_back();
  track.name = std::string(utf8_name);
  if (!read) {
    track.state = read.Failure().kind == ReadProblem::kTooLarge ? DroppedState::kRefused : DroppedState::kUnreadable;
    track.lines = {ReadMessage(read, utf8_name).value_or(ShownText::FromUtf8(read.Failure().message))};
  } else {
    const TrackReport& report = api_.Open(bytes.first(std::min(*read, bytes.size())), utf8_name, code_page_);
    if (report.outcome == TrackOutcome::kRead) {
      track.state = DroppedState::kConverted;
      track.copy_name = copy_names_.Claim(FilePart(ConvertedName(utf8_name)));
      const auto copy = api_.CopyAs105();
      track.copy.assign(copy.begin(), copy.end());
      track.info = report.info;
      Describe(track);
    } else {
      track.state = report.outcome == TrackOutcome::kDamaged ? DroppedState::kDamaged : DroppedState::kRefused;
      track.lines = {report.message};
    }
  }
  Index(track);
  return track;
}

void DroppedTracks::ReadTextsIn(CodePage page) {
  code_page_ = page;
  for (DroppedTrack& track : tracks_) {
    if (track.state != DroppedState::kConverted) continue;
    track.info.code_page = page;
    Describe(track);
    Index(track);
  }
}

void DroppedTracks::Clear() {
  tracks_.clear();
  copy_names_ = UniqueNames();
}

std::vector<std::size_t> DroppedTracks::Gallery(GalleryOrder order, std::string_view utf8_filter) const {
  const std::string filter = CaseFolded(utf8_filter);
  std::vector<std::size_t> shown;
  for (std::size_t i = 0; i < tracks_.size(); ++i) {
    if (tracks_[i].search_text.find(filter) != std::string::npos) shown.push_back(i);
  }
  // Each track's key, computed once: whether it lacks the field (then it goes last), and the field.
  using Key = std::tuple<bool, std::string, std::int32_t>;
  std::vector<Key> keys(tracks_.size());
  for (const std::size_t i : shown) {
    const DroppedTrack& track = tracks_[i];
    const bool lacks = order != GalleryOrder::kName && track.state != DroppedState::kConverted;
    switch (order) {
      case GalleryOrder::kName:
        keys[i] = {lacks, CaseFolded(track.name), 0};
        break;
      case GalleryOrder::kAuthor:
        keys[i] = {lacks, CaseFolded(TrackText(track.info, track.info.author).Utf8()), 0};
        break;
      case GalleryOrder::kLength:
        keys[i] = {lacks, "", track.info.track_length};
        break;
      case GalleryOrder::kBestLap:
        keys[i] = {lacks, "", track.info.lap_times[kBestRecord]};
        break;
    }
  }
  std::stable_sort(shown.begin(), shown.end(), [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  return shown;
}

Text DroppedTracks::NotConvertedCounts() const {
  const auto count = [this](DroppedState state) {
    return static_cast<std::size_t>(
        std::count_if(tracks_.begin(), tracks_.end(), [state](const DroppedTrack& t) { return t.state == state; }));
  };
  Text counts;
  for (const auto& [state, word] : {std::pair{DroppedState::kRefused, " refused"},
                                    std::pair{DroppedState::kDamaged, " damaged"},
                                    std::pair{DroppedState::kUnreadable, " unreadable"}}) {
    const std::size_t n = count(state);
    if (n == 0) continue;
    if (!counts.empty()) counts += ", ";
    counts += Count(n);
    counts += word;
  }
  return counts;
}

ShownText DroppedTracks::ZipSavedMessage() const {
  const auto converted = std::count_if(tracks_.begin(), tracks_.end(),
                                       [](const DroppedTrack& t) { return t.state == DroppedState::kConverted; });
  const Text counts = NotConvertedCounts();
  return "saved " + Count(static_cast<std::size_t>(converted)) + " of " + Count(tracks_.size()) + " tracks in " +
         kZipName + (counts.empty() ? "" : "; " + counts + ", see the list");
}

ShownText DroppedTracks::NoMatchMessage(std::string_view utf8_filter) {
  return "No track matches \x93" + ShownText::FromUtf8(utf8_filter) + "\x94";
}

ShownText DroppedTracks::NothingToConvertMessage() const {
  if (tracks_.empty()) return "Nothing to convert: drop tracks first";
  return "Nothing to convert: " + NotConvertedCounts() + ", see the list";
}

}  // namespace tarmaxion
