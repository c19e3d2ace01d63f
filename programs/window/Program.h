// The window program: start-up, the event loop and the two commands, which ask the platform
// for files, read and write them, and hand everything else to the window model; after each
// step the controls show what the model says changed.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "window/WindowModel.h"

namespace tarmaxion {

// Control ids, as the event loop tells the controls apart.
inline constexpr int kMapView = 1;
inline constexpr int kInfoList = 2;
inline constexpr int kLogPanel = 8;
inline constexpr int kLoadButton = 11;
inline constexpr int kSaveButton = 13;

class Program {
 public:
  explicit Program(Platform& platform) : platform_(platform), model_(&platform.Glyphs()) {}

  // Start-up, the paths the program was started with handled as a drop of them, the event loop
  // until the close request, shut-down; the process exit code.
  int Run(const std::vector<std::string>& paths_at_start = {});

  // The page the tracks' texts are read in (before Run; else Windows-1252).
  void ReadTracksIn(CodePage page) { model_.SetTrackCodePage(page); }

  void StartUp();
  // Runs the command of one event; false for the close request.
  bool Dispatch(const Event& event);
  void ShutDown();

  // The paths the program was started with: each that names no file is logged with why it
  // cannot be opened, and the files among them are taken as a drop of them.
  void OpenAtStart(const std::vector<std::string>& utf8_paths);
  // The load command: the open dialog's file, read into the model's buffer and shown.
  void ReadTrack();
  // The save command: the copy written under the name the save dialog gives.
  void SaveAs105();

  const WindowModel& Model() const { return model_; }

 private:
  void CreateWindow();
  void DropFiles(const std::vector<std::string>& utf8_paths);
  // Reads the file at utf8_path into the model's buffer.
  ChosenFile ReadChosenFile(const std::string& utf8_path);
  // Shows what the model changed since the last look.
  void Show();

  Platform& platform_;
  WindowModel model_;
};

}  // namespace tarmaxion
