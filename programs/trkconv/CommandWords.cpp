#include "programs/trkconv/CommandWords.h"

#include <algorithm>

#include "programs/trkconv/Suggestions.h"

namespace tarmaxion::cli {
namespace {

std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    text += i == 0 ? "" : i + 1 == words.size() ? " and " : ", ";
    text += words[i];
  }
  return text;
}

// Every name the command's options answer to, with their dashes, and the program's own.
std::vector<std::string> OptionNames(const CLI::App& app, const CLI::App* command) {
  std::vector<std::string> names;
  for (const auto* owner : {&app, command}) {
    if (owner == nullptr) continue;
    for (const auto* option : owner->get_options()) {
      for (const auto& name : option->get_lnames()) names.push_back("--" + name);
      for (const auto& name : option->get_snames()) names.push_back("-" + name);
    }
  }
  return names;
}

// The option a word names, as CLI11 reads it: "--name" or "--name=value", "-x" with anything
// after the letter; nothing for "-", a negative number or a word without a dash.
std::string OptionIn(const std::string& word) {
  if (word.size() < 2 || word[0] != '-') return "";
  if (word[1] == '-') return word.substr(0, word.find('='));
  if (word[1] >= '0' && word[1] <= '9') return "";
  return word.substr(0, 2);
}

}  // namespace

std::vector<std::string> CommandNames(const CLI::App& app) {
  std::vector<std::string> names;
  for (const auto* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    names.push_back(command->get_name());
  }
  return names;
}

void CheckCommand(const CLI::App& app, const std::vector<std::string>& args) {
  if (args.empty() || args[0].starts_with('-')) return;
  const auto commands = CommandNames(app);
  if (std::find(commands.begin(), commands.end(), args[0]) != commands.end()) return;
  const auto nearest = NearestWord(args[0], commands);
  throw CLI::ValidationError("'" + args[0] + "' is not a command; " +
                             (nearest ? "did you mean '" + *nearest + "'?" : "the commands are " + Joined(commands)));
}

void CheckOptions(const CLI::App& app, const std::vector<std::string>& args) {
  const CLI::App* command = args.empty() || args[0].starts_with('-') ? nullptr : app.get_subcommand(args[0]);
  const auto names = OptionNames(app, command);
  for (const auto& word : args) {
    if (word == "--") return;
    const auto option = OptionIn(word);
    if (option.empty() || std::find(names.begin(), names.end(), option) != names.end()) continue;
    auto message = option + " is not an option" + (command ? " of " + command->get_name() : std::string());
    // Only a long option's letters say what was meant; one letter after a dash says nothing.
    if (const auto nearest = option.starts_with("--") ? NearestWord(option, names) : std::nullopt) {
      message += "; did you mean " + *nearest + "?";
    }
    throw CLI::ValidationError(message);
  }
}

}  // namespace tarmaxion::cli
