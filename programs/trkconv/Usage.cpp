#include "programs/trkconv/Usage.h"

#include <algorithm>

#include "programs/trkconv/CommandWords.h"

namespace tarmaxion::cli {

std::string ShortUsage(const CLI::App& app) {
  std::string usage = "Usage: trkconv COMMAND [OPTIONS] TRACK...\n" + app.get_description() + "\n\nCommands:\n";
  for (const auto& name : CommandNames(app)) {
    usage += "  " + name + std::string(10 - std::min<std::size_t>(name.size(), 9), ' ') +
             app.get_subcommand(name)->get_description() + "\n";
  }
  return usage + "\n'trkconv help' shows every option, 'trkconv help COMMAND' (or COMMAND --help) one command's.\n";
}

std::optional<std::string> HelpAsked(const CLI::App& app, const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "help") return std::nullopt;
  if (args.size() == 1) return app.help("", CLI::AppFormatMode::All);
  if (args.size() > 2) throw CLI::ValidationError("help takes one COMMAND at most");
  CheckCommand(app, {args[1]});
  return app.get_subcommand(args[1])->help(app.get_name());
}

void ReportUsageError(const CLI::App& app, const CLI::Error& error, const std::vector<std::string>& args,
                      std::ostream& err) {
  const auto commands = CommandNames(app);
  const bool in_command = !args.empty() && std::find(commands.begin(), commands.end(), args[0]) != commands.end();
  err << "trkconv: " << error.what() << "\ntrkconv: run 'trkconv help" << (in_command ? " " + args[0] : "")
      << "' for more information\n";
}

}  // namespace tarmaxion::cli
