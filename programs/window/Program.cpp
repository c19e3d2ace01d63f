#include "programs/window/Program.h"

#include <algorithm>
#include <iterator>

#include "api/TrackMessages.h"
#include "base/Directory.h"
#include "base/Files.h"
#include "preview/Caption.h"

namespace tarmaxion {
namespace {

constexpr Rect kMainWindow = {10, 10, 1000, 720};
constexpr Rect kInfoListArea = {10, 10, 400, 600};
constexpr Rect kLogPanelArea = {10, 620, 400, 80};
constexpr Rect kMapViewArea = {450, 10, 512, 560};
constexpr Rect kLoadButtonArea = {450, 620, 50, 24};
constexpr Rect kSaveButtonArea = {690, 620, 90, 24};

}  // namespace

int Program::Run(const std::vector<std::string>& paths_at_start) {
  StartUp();
  if (!paths_at_start.empty()) Dispatch({EventKind::kDrop, 0, paths_at_start});
  while (Dispatch(platform_.WaitEvent())) {
  }
  ShutDown();
  return 0;
}

void Program::StartUp() {
  state_ = ProgramState{};
  state_.current_folder = CurrentDirectory();
  state_.track_buffer.assign(kTrackBufferSize, 0);
  state_.loaded_size = static_cast<std::int32_t>(kTrackBufferSize);
  state_.log = FreshStatusLog("\r\n");
  state_.version_error = false;
  platform_.LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
  CreateWindow();
  Report("ready...");
}

void Program::CreateWindow() {
  platform_.CreateMainWindow(kMainWindow, "Tarmaxion Rivivizevido 1.10 to 1.05");
  platform_.CreateEditor(kInfoList, kInfoListArea);
  platform_.CreateLabel(kLogPanel, kLogPanelArea, "");
  platform_.CreateImageView(kMapView, kMapViewArea);
  platform_.CreateButton(kLoadButton, kLoadButtonArea, "load");
  platform_.CreateButton(kSaveButton, kSaveButtonArea, "save as 1.05");
  // Space loads a track at once, and Tab reaches the other controls from there.
  platform_.Focus(kLoadButton);
}

bool Program::Dispatch(const Event& event) {
  if (event.kind == EventKind::kClose) return false;
  if (event.kind == EventKind::kDrop) LoadDroppedFiles(event.paths);
  if (event.kind != EventKind::kControl) return true;
  switch (event.control_id) {
    case kLoadButton:
      ReadTrack();
      ShowTrack();
      break;
    case kSaveButton:
      if (!state_.version_error) SaveAs105();
      break;
    default:
      break;
  }
  return true;
}

void Program::ShowTrack() {
  ListTrack();
  if (!state_.version_error) BuildPreview();
}

void Program::LoadDroppedFiles(const std::vector<std::string>& utf8_paths) {
  // Folders and whatever else is not a file are passed over; the load takes one file.
  std::vector<std::string> files;
  std::copy_if(utf8_paths.begin(), utf8_paths.end(), std::back_inserter(files), IsFile);
  if (files.empty()) return;
  platform_.ClearLines(kInfoList);
  ReadTrackFile(files.front());
  ShowTrack();
  if (files.size() > 1) Report(DroppedMessage(files.size()));
}

void Program::ShutDown() { platform_.ShutDown(); }

void Program::Log() {
  PushStatusLine(state_.log);
  platform_.SetText(kLogPanel, state_.log.status_line);
}

void Program::Report(Text message) {
  state_.log.status_line = std::move(message);
  Log();
}

std::span<std::uint8_t> Program::LoadedBytes() {
  return std::span(state_.track_buffer).first(static_cast<std::size_t>(state_.loaded_size));
}

}  // namespace tarmaxion
