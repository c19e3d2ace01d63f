// The program: start-up, the event loop with its two commands, the status log, and the
// operations those commands run, all acting on one ProgramState through one Platform.
#pragma once

#include "app/ProgramState.h"
#include "ui/Graphics.h"
#include "ui/Platform.h"

namespace tarmaxion {

class Program {
 public:
  explicit Program(Platform& platform) : platform_(platform), graphics_(platform) {}

  // Start-up, the event loop until the close request, shut-down; the process exit code.
  int Run();

  void StartUp();
  // Runs the command of one event; false for the close request.
  bool Dispatch(const Event& event);
  void ShutDown();

  // The load command's steps and the save command.
  void ReadTrack();
  void ListTrack();
  void BuildPreview();
  void SaveAs105();

  // Shows the status line as the newest of the six log lines.
  void Log();

  const ProgramState& State() const { return state_; }
  const Graphics& Drawing() const { return graphics_; }

 private:
  void Report(Text message);
  // Lets the map view show the map image as it is now (or no image when there is none).
  void ShowMap();
  void CreateWindow();

  Platform& platform_;
  Graphics graphics_;
  ProgramState state_;
};

}  // namespace tarmaxion
