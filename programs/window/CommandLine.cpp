#include "programs/window/CommandLine.h"

namespace tarmaxion {
namespace {

constexpr std::string_view kCodePageOption = "--codepage";

WindowCommandLine Only(CommandLineAction action) { return {action, {}, {}, {}}; }
WindowCommandLine Wrong(std::string problem) { return {CommandLineAction::kWrong, {}, std::move(problem), {}}; }

}  // namespace

WindowCommandLine ParseWindowCommandLine(std::span<const std::string> arguments) {
  WindowCommandLine line;
  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (options_ended || argument.size() < 2 || argument[0] != '-') {
      line.paths.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--help" || argument == "-h") {
      return Only(CommandLineAction::kHelp);
    } else if (argument == "--version") {
      return Only(CommandLineAction::kVersion);
    } else if (argument == kCodePageOption || argument.starts_with(std::string(kCodePageOption) + "=")) {
      const bool joined = argument != kCodePageOption;
      if (!joined && i + 1 == arguments.size()) {
        return Wrong("option '--codepage' needs a code page number");
      }
      const auto page = TrackCodePageNamed(joined ? argument.substr(kCodePageOption.size() + 1) : arguments[++i]);
      if (!page) return Wrong(page.Failure());
      line.code_page = *page;
    } else {
      return Wrong("unknown option '" + argument + "'");
    }
  }
  return line;
}

std::string WindowUsage() {
  return "Usage: tarmaxion-converter [--codepage N] [FILE...]\n"
         "Shows Tarmaxion track files (.trk) in a window and saves copies for version 1.05.\n"
         "The FILEs open as if they were dropped on the window: the first track loads.\n"
         "\n"
         "  -h, --help     show this help and exit\n"
         "      --version  show the version and exit\n"
         "      --codepage N\n"
         "                 read the tracks' names in Windows code page N (1250, 1251, 1252, 1253,\n"
         "                 1254 or 1257); by default in the one of your language\n"
         "  --             take every later argument as a file name\n"
         "\n"
         "trkconv lists, converts and draws tracks without a window.\n";
}

std::string WindowVersion() { return "tarmaxion-converter " TARMAXION_VERSION "\n"; }

}  // namespace tarmaxion
