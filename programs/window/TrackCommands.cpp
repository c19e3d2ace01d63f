// The load command's steps and the save command: the window reads and writes the files, the
// track API decides what they show, and the window shows it in its own order.
#include <algorithm>
#include <span>

#include "programs/window/Program.h"
#include "api/TrackMessages.h"
#include "base/Files.h"
#include "track/Conversion.h"

namespace tarmaxion {
namespace {

const Text kTrackFilter = "trk|*.trk";

}  // namespace

Text Program::DisplayName(const std::string& utf8_path) const {
  return platform_.ShownText(FilePart(utf8_path));
}

void Program::ReadTrack() {
  platform_.ClearLines(kInfoList);
  ReadTrackFile(platform_.OpenFileDialog({"Select Track", state_.current_folder, kTrackFilter, 0}));
}

void Program::ReadTrackFile(const std::string& utf8_path) {
  state_.track_path = utf8_path;
  state_.current_folder = PathPart(state_.track_path);

  const auto read = ReadWholeFile(state_.track_path, std::span(state_.track_buffer).first(kMaxTrackFileSize));
  if (auto message = ReadMessage(read, state_.track_path, DisplayName(state_.track_path))) {
    Report(std::move(*message));
  }
  if (read) {
    state_.loaded_size = static_cast<std::int32_t>(*read);
    state_.track_read = true;
  } else if (read.Failure().kind == ReadProblem::kReadShort) {
    // The part that arrived is listed as the file, as a short read always was.
    state_.loaded_size = static_cast<std::int32_t>(read.Failure().arrived);
    state_.track_read = true;
  }
  platform_.AppendLine(kInfoList, FileLine(DisplayName(state_.track_path), state_.loaded_size));
}

void Program::ListTrack() {
  state_.version_error = false;
  // Before the first read the loaded size is the whole buffer; only its first half could hold a
  // file, and its zero bytes are refused by the version check all the same.
  const auto loaded = LoadedBytes();
  const auto& report =
      track_api_.Open(loaded.first(std::min(loaded.size(), kMaxTrackFileSize)), DisplayName(state_.track_path));
  // The file line is ReadTrack's; the API's list repeats it first.
  for (std::size_t i = 1; i < report.info_lines.size(); ++i) platform_.AppendLine(kInfoList, report.info_lines[i]);
  if (report.outcome != TrackOutcome::kRead) {
    state_.version_error = true;
    Report(report.message);
    return;
  }
  state_.track = report.info;
}

void Program::BuildPreview() {
  const auto map = track_api_.Map();
  platform_.ShowImage(kMapView, track_api_.LastMap());
  if (map.image != nullptr) Report(map.name);
  // From here on the window's own buffer carries the converted object types: its save writes
  // them, and a later listing of the same buffer draws them.
  RemapObjectTypes(LoadedBytes(), state_.track.layout);
}

void Program::SaveAs105() {
  if (!state_.track_read) {
    Report("Nothing to save: load a track first");
    return;
  }
  const auto chosen = platform_.SaveFileDialog(
      {"Save Track", ConvertedName(state_.track_path), kTrackFilter, 0});
  if (chosen.empty()) return;
  const auto file = LoadedBytes();
  MarkAsVersion105(file);
  if (const auto written = WriteFileReplacing(chosen, file); !written) {
    Report(NotSavedMessage(DisplayName(chosen), written.Failure().message));
    return;
  }
  Report("saved");
}

}  // namespace tarmaxion
