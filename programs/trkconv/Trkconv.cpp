#include "programs/trkconv/Trkconv.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <thread>

#include "base/NativePath.h"
#include "programs/trkconv/CommandWords.h"
#include "programs/trkconv/ConvertCommand.h"
#include "programs/trkconv/ImageFiles.h"
#include "programs/trkconv/InfoCommand.h"
#include "programs/trkconv/NumberOption.h"
#include "programs/trkconv/PreviewCommand.h"
#include "programs/trkconv/Usage.h"
#include "programs/trkconv/WalkFolders.h"

namespace tarmaxion::cli {
namespace {

Replace ReplaceFrom(bool force) { return force ? Replace::kAllow : Replace::kRefuse; }

int ExitCodeFor(bool all_succeeded) { return all_succeeded ? kExitSuccess : kExitFailure; }

// A folder that -r could not read fails the run, even when every track in reach succeeded.
int AfterWalk(bool walked, int code) { return walked || code != kExitSuccess ? code : kExitFailure; }

void AddRecursiveFlag(CLI::App& command, bool& recursive) {
  command.add_flag("-r,--recursive", recursive,
                   "Walk each folder among the TRACKs for its .trk files (any case), in sorted order");
}

// -r: each folder's tracks in its place. False when a folder could not be read whole.
bool Walked(std::vector<std::string>& tracks, bool recursive, std::ostream& err) {
  return !recursive || WalkFolders(tracks, err);
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
  bool recursive = false;
};

// The output folder is made when missing (as mkdir -p); a file of its name is a mistake.
std::string NoFileNamed(const std::string& folder) {
  std::error_code error;
  const auto status = std::filesystem::status(NativePath(folder), error);
  if (!std::filesystem::exists(status) || std::filesystem::is_directory(status)) return "";
  return folder + " exists and is not a folder";
}

// what and whats: one output and several, "copy" and "copies".
CLI::Option* AddBatchOptions(CLI::App& command, BatchOptions& batch, BatchFlags& flags, const std::string& what,
                             const std::string& whats) {
  auto* output_option = command.add_option("-o,--output", batch.output,
                                           "The " + what + "'s file (one TRACK only; - for standard output)");
  command
      .add_option("--out-dir", batch.out_dir,
                  "Folder for the " + whats + ", under their default names (made when missing)")
      ->check(NoFileNamed, "DIR")
      ->excludes(output_option);
  command.add_flag("--force", flags.force, "Replace existing " + whats + " (never an input)");
  command.add_option("-j,--jobs", flags.jobs, "Tracks worked on at once (default and at most: the cores, " +
                                                  std::to_string(flags.cores) + ")")
      ->check(WholeNumberIn(1, 1 << 16));
  AddRecursiveFlag(command, flags.recursive);
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

// False when -r could not read a folder whole.
bool FinishBatchOptions(BatchOptions& batch, const BatchFlags& flags, std::ostream& err) {
  const bool walked = Walked(batch.tracks, flags.recursive, err);
  if (!batch.output.empty() && batch.tracks.size() != 1) {
    throw CLI::ValidationError("-o,--output", "takes exactly one TRACK; use --out-dir for several");
  }
  CheckStandardInput(batch.tracks, !batch.output.empty());
  batch.replace = ReplaceFrom(flags.force);
  // More threads than cores would only take turns on them, each with the memory of a map.
  batch.jobs = std::min(flags.jobs, flags.cores);
  return walked;
}

}  // namespace

int RunTrkconv(const std::vector<std::string>& args, const Console& console) {
  CLI::App app{"Lists, converts and previews Tarmaxion track files exactly as the converter window does.",
               "trkconv"};
  app.set_version_flag("--version", "trkconv " TARMAXION_VERSION);
  app.require_subcommand(1);
  app.footer("'trkconv help COMMAND' or 'trkconv COMMAND --help' shows one command's options.");

  InfoOptions info_options;
  info_options.code_page = console.code_page;
  bool json = false;
  auto* info =
      app.add_subcommand("info", "Print each track's info list (UTF-8), a blank line between tracks");
  info->add_flag("--json", json, "One JSON object per track, one object per line");
  bool info_recursive = false;
  AddRecursiveFlag(*info, info_recursive);
  AddCodePageOption(*info, info_options.code_page);
  info->add_option("TRACK", info_options.tracks, "Track files (- for standard input)")->required();

  const std::size_t cores = std::max(1U, std::thread::hardware_concurrency());
  BatchOptions convert_options;
  BatchFlags convert_flags(cores);
  auto* convert = app.add_subcommand("convert", "Write the version-1.05 copy of each track");
  AddBatchOptions(*convert, convert_options, convert_flags, "copy", "copies");

  PreviewOptions preview_options;
  preview_options.batch.code_page = console.code_page;
  BatchFlags preview_flags(cores);
  auto* preview = app.add_subcommand(
      "preview", "Write each track's 512 x 560 map image (PNG, or BMP for a name ending in .bmp)");
  preview->add_option("--size", preview_options.size,
                      "Scale the image down so that its longer side has N pixels (a thumbnail)")
      ->check(WholeNumberIn(1, 1 << 16));
  bool map_only = false;
  preview->add_flag("--map-only", map_only, "The 512 x 512 map alone, without the caption band below it");
  AddCodePageOption(*preview, preview_options.batch.code_page);
  AddBatchOptions(*preview, preview_options.batch, preview_flags, "image", "images")
      ->check(
          [](const std::string& name) -> std::string {
            if (FormatForName(name)) return "";
            return "trkconv writes PNG (.png, or a name without extension) or BMP (.bmp), not " + name;
          },
          "IMAGE");

  bool walked = true;
  try {
    if (args.empty()) {
      console.err << ShortUsage(app);
      return kExitUsage;
    }
    if (const auto help = HelpAsked(app, args)) {
      console.out << *help;
      return kExitSuccess;
    }
    CheckCommand(app, args);
    CheckOptions(app, args);
    auto reversed = args;  // CLI11 takes a vector of arguments last one first
    std::reverse(reversed.begin(), reversed.end());
    app.parse(reversed);
    if (info->parsed()) {
      walked = Walked(info_options.tracks, info_recursive, console.err);
      CheckStandardInput(info_options.tracks, true);
    }
    if (convert->parsed()) walked = FinishBatchOptions(convert_options, convert_flags, console.err);
    if (preview->parsed()) walked = FinishBatchOptions(preview_options.batch, preview_flags, console.err);
    if (map_only) preview_options.area = ThumbnailArea::kMapArea;
  } catch (const CLI::ParseError& error) {
    // Help and the version are parse errors to CLI11 too.
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      app.exit(error, console.out, console.err);
      return kExitSuccess;
    }
    ReportUsageError(app, error, args, console.err);
    return kExitUsage;
  }

  if (info->parsed()) {
    info_options.format = json ? InfoFormat::kJson : InfoFormat::kText;
    return AfterWalk(walked, ExitCodeFor(RunInfo(info_options, console)));
  }
  if (convert->parsed()) return AfterWalk(walked, RunConvert(convert_options, console));
  return AfterWalk(walked, RunPreview(preview_options, console));
}

}  // namespace tarmaxion::cli
