#include "cli/ConvertCommand.h"

#include <memory>
#include <optional>

#include "app/ConvertedCopy.h"
#include "app/ProgramState.h"
#include "app/TrackMessages.h"
#include "cli/Failure.h"
#include "cli/Paths.h"
#include "cli/ProgressBar.h"
#include "track/Conversion.h"
#include "ui/Encoding.h"
#include "ui/Files.h"

namespace tarmaxion::cli {
namespace {

// Why the track was not converted, or nothing when its copy is written. buffer holds the copy
// while it is made; it is the same for every track of a batch.
std::optional<std::string> ConvertOne(const std::string& track, const std::string& output,
                                      const OutputGuard& guard, std::span<std::uint8_t> buffer) {
  if (auto refusal = guard.Refusal(output)) return refusal;
  const auto copy = MakeConvertedCopy(track, buffer);
  if (!copy.problem.empty()) return Utf8FromWindows1252(copy.problem);
  if (const auto written = WriteFileReplacing(output, copy.bytes); !written.ok) {
    return Utf8FromWindows1252(NotSavedMessage(output, written.reason));
  }
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
  // Left uninitialised: each copy is read in before it is touched, and untouched pages of a
  // batch of small tracks never cost memory.
  const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(kMaxTrackFileSize);
  bool all_converted = true;
  std::size_t done = 0;
  for (const auto& track : options.tracks) {
    const auto output = ConvertedPath(options, track);
    const auto failure = ConvertOne(track, output, guard, std::span(buffer.get(), kMaxTrackFileSize));
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
