// What trkconv needs from the process it runs in, whichever system that is: its arguments in
// UTF-8, whether its standard streams are terminals, binary standard streams for track and image
// bytes, and memory fit for images. Each system supplies it in a file of its own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/CodePage.h"

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
  bool OutputStreamIsTerminal() const;
  // The code page Windows would give the user's language: POSIX takes it from the locale,
  // Windows from its ANSI code page when that is one a track may be in.
  CodePage UserCodePage() const;
  // Standard output passes bytes as they are from now on.
  void MakeOutputBinary();
  // Maps are drawn from now on: memory in large pages where the system has them.
  void PrepareForImages();

 private:
  struct SystemParts;
  std::vector<std::string> arguments_;
  std::unique_ptr<SystemParts> system_;
};

}  // namespace tarmaxion::cli
