// The window program's command line: track files to open, or a question answered without
// opening any window (and so without a display).
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/CodePage.h"

namespace tarmaxion {

enum class CommandLineAction {
  kOpen,     // open the window with the paths, if any
  kHelp,     // print the usage, exit 0
  kVersion,  // print the version, exit 0
  kWrong,    // print the problem and the usage on the error stream, exit 2
};

struct WindowCommandLine {
  CommandLineAction action = CommandLineAction::kOpen;
  std::vector<std::string> paths;  // as given, in order
  std::string problem;             // for kWrong: "unknown option '--frobnicate'"
  std::optional<CodePage> code_page;  // --codepage N: the page of the tracks' texts
};

inline constexpr int kWrongCommandLine = 2;

// The arguments after the program's own name. "--" ends the options, so "--" followed by
// "--help" opens a file of that name; a lone "-" is a file name too. "--codepage N" and
// "--codepage=N" name the page tracks are read in.
WindowCommandLine ParseWindowCommandLine(std::span<const std::string> arguments);

std::string WindowUsage();
std::string WindowVersion();

}  // namespace tarmaxion
