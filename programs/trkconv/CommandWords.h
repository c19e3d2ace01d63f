// The words of a command line checked before CLI11 reads it, so that a mistyped command or
// option is named with what was probably meant (CLI11 would first report a missing TRACK, or
// only that an argument was not expected).
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace tarmaxion::cli {

// A CLI::ValidationError when args start with a word that names none of app's commands.
void CheckCommand(const CLI::App& app, const std::vector<std::string>& args);

// A CLI::ValidationError for the first option in args (before a "--") that the command, or the
// program when no command is given, does not have.
void CheckOptions(const CLI::App& app, const std::vector<std::string>& args);

// The names of app's commands, in the order they were added.
std::vector<std::string> CommandNames(const CLI::App& app);

}  // namespace tarmaxion::cli
