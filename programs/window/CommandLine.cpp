#include "programs/window/CommandLine.h"

namespace tarmaxion {

WindowCommandLine ParseWindowCommandLine(std::span<const std::string> arguments) {
  WindowCommandLine line;
  bool options_ended = false;
  for (const auto& argument : arguments) {
    if (options_ended || argument.size() < 2 || argument[0] != '-') {
      line.paths.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help" || argument == "-h") {
      return {CommandLineAction::kHelp, {}, {}};
    } else if (argument == "--version") {
      return {CommandLineAction::kVersion, {}, {}};
    } else {
      return {CommandLineAction::kWrong, {}, "unknown option '" + argument + "'"};
    }
  }
  return line;
}

std::string WindowUsage() {
  return "Usage: tarmaxion-converter [FILE...]\n"
         "Shows Tarmaxion track files (.trk) in a window and saves copies for version 1.05.\n"
         "The FILEs open as if they were dropped on the window: the first track loads.\n"
         "\n"
         "  -h, --help     show this help and exit\n"
         "      --version  show the version and exit\n"
         "  --             take every later argument as a file name\n"
         "\n"
         "trkconv lists, converts and draws tracks without a window.\n";
}

std::string WindowVersion() { return "tarmaxion-converter " TARMAXION_VERSION "\n"; }

}  // namespace tarmaxion
