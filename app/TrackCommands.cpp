// The load command's reading and listing steps, and the save command.
#include <span>

#include "app/Program.h"
#include "app/TrackMessages.h"
#include "track/Conversion.h"
#include "track/TrackLayout.h"
#include "ui/Files.h"

namespace tarmaxion {
namespace {

const Text kTrackFilter = "trk|*.trk";

}  // namespace

void Program::ReadTrack() {
  platform_.ClearLines(kInfoList);
  state_.track_path = platform_.OpenFileDialog({"Select Track", state_.current_folder, kTrackFilter, 0});
  state_.current_folder = PathPart(state_.track_path);

  const auto destination = std::span(state_.track_buffer).first(kMaxTrackFileSize);
  const auto read = ReadWholeFile(state_.track_path, destination);
  if (auto message = ReadMessage(read, state_.track_path)) Report(std::move(*message));
  if (read.status == ReadStatus::kOk || read.status == ReadStatus::kReadShort) {
    state_.loaded_size = static_cast<std::int32_t>(read.size);
    state_.track_read = true;
  }
  platform_.AppendLine(kInfoList, FileLine(DisplayName(state_.track_path), state_.loaded_size));
}

void Program::ListTrack() {
  state_.version_error = false;
  const ByteReader track(std::span(state_.track_buffer).first(static_cast<std::size_t>(state_.loaded_size)));
  const auto version = CheckVersion(track);
  if (!version) {
    state_.version_error = true;
    Report(kVersionCaution);
    return;
  }
  platform_.AppendLine(kInfoList, VersionLine(*version));
  const auto located = LocateRegions(track);
  if (!located.layout) {
    // Nothing more can be listed, drawn or saved safely from this file.
    state_.version_error = true;
    Report(located.problem);
    return;
  }
  state_.track = ReadTrackInfo(track, *version, *located.layout);
  for (const auto& line : InfoLines(state_.track)) platform_.AppendLine(kInfoList, line);
  state_.version_error = false;
}

void Program::SaveAs105() {
  if (!state_.track_read) {
    Report("Nothing to save: load a track first");
    return;
  }
  const auto chosen =
      platform_.SaveFileDialog({"Save Track", ConvertedName(state_.track_path), kTrackFilter, 0});
  if (chosen.empty()) return;
  const auto file = std::span(state_.track_buffer).first(static_cast<std::size_t>(state_.loaded_size));
  MarkAsVersion105(file);
  const auto written = WriteFileReplacing(chosen, file);
  if (!written.ok) {
    Report(NotSavedMessage(chosen, written.reason));
    return;
  }
  Report("saved");
}

}  // namespace tarmaxion
