// What trkconv says about its own command line: the short usage of a bare "trkconv", the help
// command, and the lines a wrong command line gets on the error stream.
#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tarmaxion::cli {

// What trkconv is, its commands, and where the rest is told.
std::string ShortUsage(const CLI::App& app);

// For arguments that start with the word "help": every command's help, or with a command's name
// after it that command's help. Nothing for other arguments; a CLI::ValidationError for a word
// that names no command.
std::optional<std::string> HelpAsked(const CLI::App& app, const std::vector<std::string>& args);

// "trkconv: " and the error, then where to read more.
void ReportUsageError(const CLI::App& app, const CLI::Error& error, const std::vector<std::string>& args,
                      std::ostream& err);

}  // namespace tarmaxion::cli
