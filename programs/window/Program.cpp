#include "programs/window/Program.h"

#include <algorithm>

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

const std::vector<FileFilter> kTrackFilter = {{"trk", "*.trk"}};
const Text kLineBreak = "\r\n";

}  // namespace

int Program::Run(const std::vector<std::string>& paths_at_start) {
  StartUp();
  if (!paths_at_start.empty()) OpenAtStart(paths_at_start);
  while (Dispatch(platform_.WaitEvent())) {
  }
  ShutDown();
  return 0;
}

void Program::StartUp() {
  model_.SetCurrentFolder(CurrentDirectory());
  platform_.Glyphs().LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
  CreateWindow();
  model_.Start();
  Show();
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
  switch (event.kind) {
    case EventKind::kClose:
      return false;
    case EventKind::kDrop:
      DropFiles(event.paths);
      break;
    case EventKind::kControl:
      if (event.control_id == kLoadButton) ReadTrack();
      if (event.control_id == kSaveButton) SaveAs105();
      break;
    case EventKind::kOther:
      break;
  }
  return true;
}

void Program::ShutDown() { platform_.ShutDown(); }

void Program::ReadTrack() {
  model_.BeginLoad();
  Show();
  const auto path = platform_.OpenFileDialog({"Select Track", model_.CurrentFolder(), kTrackFilter});
  model_.Load(path ? std::optional(ReadChosenFile(*path)) : std::nullopt);
  Show();
}

void Program::DropFiles(const std::vector<std::string>& utf8_paths) {
  std::vector<DropKind> kinds(utf8_paths.size());
  std::transform(utf8_paths.begin(), utf8_paths.end(), kinds.begin(),
                 [](const std::string& path) { return IsFile(path) ? DropKind::kFile : DropKind::kOther; });
  const auto plan = PlanDrop(kinds);
  if (!plan) return;
  model_.LoadDropped(ReadChosenFile(utf8_paths[plan->load]), *plan);
  Show();
}

void Program::OpenAtStart(const std::vector<std::string>& utf8_paths) {
  std::vector<std::string> files;
  for (const auto& path : utf8_paths) {
    if (IsFile(path)) {
      files.push_back(path);
    } else {
      model_.Unopened(ReadChosenFile(path));
    }
  }
  if (!files.empty()) DropFiles(files);
  Show();
}

void Program::SaveAs105() {
  const auto default_path = model_.BeginSave();
  Show();
  if (!default_path) return;
  const auto chosen = platform_.SaveFileDialog({"Save Track", *default_path, kTrackFilter});
  if (!chosen) return;
  model_.Saved(*chosen, WriteFileReplacing(*chosen, model_.SaveAs105()));
  Show();
}

ChosenFile Program::ReadChosenFile(const std::string& utf8_path) {
  return {utf8_path, ReadWholeFile(utf8_path, model_.ReadBuffer())};
}

void Program::Show() {
  const auto changes = model_.TakeChanges();
  if (changes.info_list) {
    platform_.ClearLines(kInfoList);
    for (const auto& line : model_.InfoLines()) platform_.AppendLine(kInfoList, line);
  }
  if (changes.log) platform_.SetText(kLogPanel, model_.StatusLines().Panel(kLineBreak));
  if (changes.map) platform_.ShowImage(kMapView, model_.MapImage());
}

}  // namespace tarmaxion
