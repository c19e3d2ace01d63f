// The window program: start-up, the event loop with its two commands, the status log, and the
// operations those commands run, all acting on one ProgramState through one Platform. What a
// track shows comes from the track API; this layer reads and writes the files and shows it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "programs/window/ProgramState.h"
#include "api/TrackApi.h"
#include "platform/Platform.h"

namespace tarmaxion {

class Program {
 public:
  explicit Program(Platform& platform) : platform_(platform), track_api_(&platform) {}

  // Start-up, the event loop until the close request, shut-down; the process exit code. Paths
  // given at start (a file manager's "open with") are taken as a drop of those files.
  int Run(const std::vector<std::string>& paths_at_start = {});

  void StartUp();
  // Runs the command of one event; false for the close request.
  bool Dispatch(const Event& event);
  void ShutDown();

  // The load command's steps and the save command. ReadTrack asks the open dialog for the file;
  // a file dropped on the window takes the dialog's place, and the rest is the same.
  void ReadTrack();
  void ReadTrackFile(const std::string& utf8_path);
  void ListTrack();
  void BuildPreview();
  void SaveAs105();

  // Shows the status line as the newest of the six log lines.
  void Log();
  // Makes message the status line and logs it.
  void Report(Text message);

  const ProgramState& State() const { return state_; }
  // The map image the map view shows, or nullptr before the first map.
  const Image* MapImage() const { return track_api_.LastMap(); }

 private:
  // The file part of a path as the window shows it: in the info list, the log and the caption.
  Text DisplayName(const std::string& utf8_path) const;
  // The load command after the file is read: the listing, and the map of a track that passed.
  void ShowTrack();
  void LoadDroppedFiles(const std::vector<std::string>& utf8_paths);
  void CreateWindow();
  // The bytes of the last file read (before the first read: the whole zero-filled buffer).
  std::span<std::uint8_t> LoadedBytes();

  Platform& platform_;
  TrackApi track_api_;
  ProgramState state_;
};

}  // namespace tarmaxion
