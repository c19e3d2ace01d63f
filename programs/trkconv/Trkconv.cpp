#include "programs/trkconv/Trkconv.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <thread>

#include "programs/trkconv/ConvertCommand.h"
#include "programs/trkconv/ImageFiles.h"
#include "programs/trkconv/InfoCommand.h"
#include "programs/trkconv/PreviewCommand.h"

namespace tarmaxion::cli {
namespace {

constexpr std::array<std::string_view, 3> kCommands = {"info", "convert", "preview"};

Replace ReplaceFrom(bool force) { return force ? Replace::kAllow : Replace::kRefuse; }

int ExitCodeFor(bool all_succeeded) { return all_succeeded ? kExitSuccess : kExitFailure; }

// The typing errors between a and b: a letter left out, added, changed, or two neighbours swapped.
std::size_t TypingErrors(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) {
    for (std::size_t j = 0; j <= b.size(); ++j) {
      if (i == 0 || j == 0) {
        d[i][j] = i + j;
        continue;
      }
      const std::size_t changed = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + changed});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

// The one command that word begins, else the nearest within two typing errors.
std::optional<std::string_view> NearestCommand(std::string_view word) {
  const auto begun = [word](std::string_view command) { return command.starts_with(word); };
  if (std::count_if(kCommands.begin(), kCommands.end(), begun) == 1) {
    return *std::find_if(kCommands.begin(), kCommands.end(), begun);
  }
  std::optional<std::string_view> nearest;
  std::size_t fewest = 3;
  for (const auto command : kCommands) {
    if (const auto errors = TypingErrors(word, command); errors < fewest) {
      fewest = errors;
      nearest = command;
    }
  }
  return nearest;
}

// A word where the command belongs that names none: CLI11 would only say that a command is
// required.
void CheckCommand(const std::vector<std::string>& args) {
  if (args.empty() || args[0].starts_with('-')) return;
  if (std::find(kCommands.begin(), kCommands.end(), args[0]) != kCommands.end()) return;
  const auto nearest = NearestCommand(args[0]);
  throw CLI::ValidationError("trkconv", "'" + args[0] + "' is not a command; " +
                                            (nearest ? "did you mean '" + std::string(*nearest) + "'?"
                                                     : std::string("the commands are info, convert and preview")));
}

// Standard input holds one track, and only -o can name what a track without a name becomes.
void CheckStandardInput(const std::vector<std::string>& tracks, bool named_output) {
  const auto count = std::count(tracks.begin(), tracks.end(), kStandardStream);
  if (count > 1) throw CLI::ValidationError("TRACK", "standard input (-) can be read only once");
  if (count == 1 && !named_output) {
    throw CLI::ValidationError("TRACK", "a track from standard input (-) needs -o to name its output");
  }
}

// Options convert and preview share.
struct BatchFlags {
  explicit BatchFlags(std::size_t cores) : cores(cores), jobs(cores) {}
  std::size_t cores;
  bool force = false;
  std::size_t jobs;
};

CLI::Option* AddBatchOptions(CLI::App& command, BatchOptions& batch, BatchFlags& flags, const std::string& what) {
  auto* output_option = command.add_option("-o,--output", batch.output,
                                           "The " + what + "'s file (one TRACK only; - for standard output)");
  command.add_option("--out-dir", batch.out_dir, "Folder for the " + what + "s, under their default names")
      ->check(CLI::ExistingDirectory)
      ->excludes(output_option);
  command.add_flag("--force", flags.force, "Replace existing " + what + "s (never an input)");
  command.add_option("-j,--jobs", flags.jobs, "Tracks worked on at once (default and at most: the cores, " +
                                                  std::to_string(flags.cores) + ")")
      ->check(CLI::Range(1, 1 << 16));
  command.add_option("TRACK", batch.tracks, "Track files (- for standard input)")->required();
  return output_option;
}

// --codepage N: the page track texts are read in, where the user's own is not the tracks'.
void AddCodePageOption(CLI::App& command, CodePage& code_page) {
  command
      .add_option_function<std::string>(
          "--codepage",
          [&code_page](const std::string& number) {
            const auto page = TrackCodePageNamed(number);
            if (!page) throw CLI::ValidationError("--codepage", page.Failure());
            code_page = *page;
          },
          "The Windows code page of the tracks' texts (default: the one of your locale)")
      ->type_name("N");
}

void FinishBatchOptions(BatchOptions& batch, const BatchFlags& flags) {
  if (!batch.output.empty() && batch.tracks.size() != 1) {
    throw CLI::ValidationError("-o,--output", "takes exactly one TRACK; use --out-dir for several");
  }
  CheckStandardInput(batch.tracks, !batch.output.empty());
  batch.replace = ReplaceFrom(flags.force);
  // More threads than cores would only take turns on them, each with the memory of a map.
  batch.jobs = std::min(flags.jobs, flags.cores);
}

}  // namespace

int RunTrkconv(const std::vector<std::string>& args, const Console& console) {
  CLI::App app{"Lists, converts and previews Tarmaxion track files exactly as the converter window does.",
               "trkconv"};
  app.set_version_flag("--version", "trkconv " TARMAXION_VERSION);
  app.require_subcommand(1);

  InfoOptions info_options;
  info_options.code_page = console.code_page;
  bool json = false;
  auto* info =
      app.add_subcommand("info", "Print each track's info list (UTF-8), a blank line between tracks");
  info->add_flag("--json", json, "One JSON object per track, one object per line");
  AddCodePageOption(*info, info_options.code_page);
  info->add_option("TRACK", info_options.tracks, "Track files (- for standard input)")->required();

  const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
  BatchOptions convert_options;
  BatchFlags convert_flags(cores);
  auto* convert = app.add_subcommand("convert", "Write the version-1.05 copy of each track");
  AddBatchOptions(*convert, convert_options, convert_flags, "copy");

  PreviewOptions preview_options;
  preview_options.batch.code_page = console.code_page;
  BatchFlags preview_flags(cores);
  auto* preview = app.add_subcommand(
      "preview", "Write each track's 512 x 560 map image (PNG, or BMP for a name ending in .bmp)");
  preview->add_option("--size", preview_options.size,
                      "Scale the image down so that its longer side has N pixels (a thumbnail)")
      ->check(CLI::Range(1, 1 << 16));
  bool map_only = false;
  preview->add_flag("--map-only", map_only, "The 512 x 512 map alone, without the caption band below it");
  AddCodePageOption(*preview, preview_options.batch.code_page);
  AddBatchOptions(*preview, preview_options.batch, preview_flags, "image")
      ->check(
          [](const std::string& name) -> std::string {
            if (FormatForName(name)) return "";
            return "trkconv writes PNG (.png, or a name without extension) or BMP (.bmp), not " + name;
          },
          "IMAGE");

  try {
    CheckCommand(args);
    auto reversed = args;  // CLI11 takes a vector of arguments last one first
    std::reverse(reversed.begin(), reversed.end());
    app.parse(reversed);
    if (info->parsed()) CheckStandardInput(info_options.tracks, true);
    if (convert->parsed()) FinishBatchOptions(convert_options, convert_flags);
    if (preview->parsed()) FinishBatchOptions(preview_options.batch, preview_flags);
    if (map_only) preview_options.area = ThumbnailArea::kMapArea;
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, console.out, console.err);
    return code == static_cast<int>(CLI::ExitCodes::Success) ? kExitSuccess : kExitUsage;
  }

  if (info->parsed()) {
    info_options.format = json ? InfoFormat::kJson : InfoFormat::kText;
    return ExitCodeFor(RunInfo(info_options, console));
  }
  if (convert->parsed()) return RunConvert(convert_options, console);
  return RunPreview(preview_options, console);
}

}  // namespace tarmaxion::cli
