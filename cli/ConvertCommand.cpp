#include "cli/ConvertCommand.h"

#include <optional>

#include "cli/Failure.h"
#include "cli/HeadlessWindow.h"
#include "cli/Paths.h"
#include "cli/ProgressBar.h"
#include "track/Conversion.h"
#include "ui/Encoding.h"

namespace tarmaxion::cli {
namespace {

// Why the track was not converted, or nothing when its copy is written.
std::optional<std::string> ConvertOne(const std::string& track, const std::string& output,
                                      const OutputGuard& guard) {
  if (auto refusal = guard.Refusal(output)) return refusal;
  HeadlessWindow window;
  const auto loaded = window.Load(track);
  if (loaded.outcome != LoadOutcome::kListed) return Utf8FromWindows1252(loaded.problem);
  if (auto not_saved = window.SaveAs(output)) return Utf8FromWindows1252(*not_saved);
  return std::nullopt;
}

}  // namespace

std::string ConvertedPath(const ConvertOptions& options, const std::string& track) {
  if (!options.output.empty()) return options.output;
  if (options.out_dir.empty()) return ConvertedName(track);
  return Utf8Path(NativePath(options.out_dir) / NativePath(ConvertedName(FilePart(track))));
}

bool RunConvert(const ConvertOptions& options, std::ostream& out, std::ostream& err) {
  OutputGuard guard(options.tracks, options.replace);
  ProgressBar progress(err, options.tracks.size(),
                       options.progress_bar && options.tracks.size() >= kProgressBarFrom);
  bool all_converted = true;
  std::size_t done = 0;
  for (const auto& track : options.tracks) {
    const auto output = ConvertedPath(options, track);
    const auto failure = ConvertOne(track, output, guard);
    progress.Clear();
    if (failure) {
      all_converted = false;
      ReportFailure(err, track, *failure);
    } else {
      guard.Written(output);
      out << track << " -> " << output << '\n' << std::flush;
    }
    progress.Show(++done);
  }
  return all_converted;
}

}  // namespace tarmaxion::cli
