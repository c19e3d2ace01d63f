#include "programs/trkconv/Trkconv.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "programs/trkconv/ConvertCommand.h"
#include "programs/trkconv/InfoCommand.h"
#include "programs/trkconv/PreviewExport.h"

namespace tarmaxion::cli {
namespace {

Replace ReplaceFrom(bool force) { return force ? Replace::kAllow : Replace::kRefuse; }

int ExitCodeFor(bool all_succeeded) { return all_succeeded ? kExitSuccess : kExitFailure; }

}  // namespace

int RunTrkconv(const std::vector<std::string>& args, const Console& console) {
  CLI::App app{"Lists, converts and previews Tarmaxion track files exactly as the converter window does.",
               "trkconv"};
  app.set_version_flag("--version", "trkconv " TARMAXION_VERSION);
  app.require_subcommand(1);

  InfoOptions info_options;
  bool json = false;
  auto* info =
      app.add_subcommand("info", "Print each track's info list (UTF-8), a blank line between tracks");
  info->add_flag("--json", json, "One JSON object per track, one object per line");
  info->add_option("TRACK", info_options.tracks, "Track files")->required();

  ConvertOptions convert_options;
  bool convert_force = false;
  auto* convert = app.add_subcommand("convert", "Write the version-1.05 copy of each track");
  auto* output =
      convert->add_option("-o,--output", convert_options.output, "The copy's file (one TRACK only)");
  convert
      ->add_option("--out-dir", convert_options.out_dir, "Folder for the copies, under their default names")
      ->check(CLI::ExistingDirectory)
      ->excludes(output);
  convert->add_flag("--force", convert_force, "Replace existing copies (never an input)");
  convert->add_option("TRACK", convert_options.tracks, "Track files")->required();

  PreviewOptions preview_options;
  bool preview_force = false;
  auto* preview =
      app.add_subcommand("preview", "Write the track's 512 x 560 map image (PNG, or BMP for .bmp)");
  preview->add_option("-o,--output", preview_options.output, "The image file (default: TRACK with .png)");
  preview->add_flag("--force", preview_force, "Replace an existing image (never the track)");
  preview->add_option("TRACK", preview_options.track, "Track file")->required();

  try {
    auto reversed = args;  // CLI11 takes a vector of arguments last one first
    std::reverse(reversed.begin(), reversed.end());
    app.parse(reversed);
    if (convert->parsed() && !convert_options.output.empty() && convert_options.tracks.size() != 1) {
      throw CLI::ValidationError("-o,--output", "takes exactly one TRACK; use --out-dir for several");
    }
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, console.out, console.err);
    return code == static_cast<int>(CLI::ExitCodes::Success) ? kExitSuccess : kExitUsage;
  }

  if (info->parsed()) {
    info_options.format = json ? InfoFormat::kJson : InfoFormat::kText;
    return ExitCodeFor(RunInfo(info_options, console.out, console.err));
  }
  if (convert->parsed()) {
    convert_options.replace = ReplaceFrom(convert_force);
    convert_options.progress_bar = console.err_is_terminal;
    return RunConvert(convert_options, console.out, console.err);
  }
  preview_options.replace = ReplaceFrom(preview_force);
  return ExitCodeFor(RunPreview(preview_options, console.out, console.err));
}

}  // namespace tarmaxion::cli
