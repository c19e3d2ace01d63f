// What trkconv needs from the process it runs in, whichever system that is: its arguments in
// UTF-8, whether the error stream is a terminal, and the window's glyphs for the caption of a
// preview. Each system supplies it in a file of its own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gfx/Glyphs.h"

namespace tarmaxion::cli {

class ProcessConsole {
 public:
  ProcessConsole(int argc, char** argv);
  ~ProcessConsole();
  ProcessConsole(const ProcessConsole&) = delete;
  ProcessConsole& operator=(const ProcessConsole&) = delete;

  // The arguments after the program name.
  const std::vector<std::string>& Arguments() const { return arguments_; }
  bool ErrorStreamIsTerminal() const;
  // The window's caption glyphs, made on first use so that commands drawing no caption never
  // pay for them; nullptr where this build has no window to take them from.
  GlyphSource* CaptionGlyphs();

 private:
  struct SystemParts;
  std::vector<std::string> arguments_;
  std::unique_ptr<SystemParts> system_;
};

}  // namespace tarmaxion::cli
