#include "programs/trkconv/ConvertCommand.h"

#include "api/TrackMessages.h"
#include "base/Files.h"
#include "base/NativePath.h"
#include "programs/trkconv/ProgressBar.h"
#include "programs/trkconv/StopRequests.h"
#include "programs/trkconv/TrackLoader.h"
#include "programs/trkconv/Trkconv.h"
#include "track/Conversion.h"

namespace tarmaxion::cli {
namespace {

// Writes the copy of one track, or says why not. The loader is the same for every track of a
// batch, so the copies reuse its buffers.
FileOutcome ConvertOne(const std::string& track, const std::string& output, const OutputGuard& guard,
                       TrackLoader& loader) {
  if (auto allowed = guard.MayWrite(output); !allowed) return allowed;
  const auto loaded = loader.Load(track);
  if (!loaded) return loaded.Failure();
  if ((*loaded)->outcome != TrackOutcome::kRead) {
    return Failure{FailureKind::kNotConverted, (*loaded)->message.Utf8()};
  }
  if (const auto written = WriteFileReplacing(output, loader.Api().CopyAs105(), guard.WriteMode()); !written) {
    if (written.Failure().kind == WriteProblem::kExists) return OutputGuard::AlreadyExists(output);
    return Failure{FailureKind::kNotWritten, NotSavedMessage(output, written.Failure().message).Utf8()};
  }
  return Done{};
}

}  // namespace

std::string ConvertedPath(const ConvertOptions& options, const std::string& track) {
  if (!options.output.empty()) return options.output;
  if (options.out_dir.empty()) return ConvertedName(track);
  return Utf8Path(NativePath(options.out_dir) / NativePath(ConvertedName(FilePart(track))));
}

int RunConvert(const ConvertOptions& options, std::ostream& out, std::ostream& err) {
  OutputGuard guard(options.tracks, options.replace);
  const bool long_batch_on_terminal = options.progress_bar && options.tracks.size() >= kProgressBarFrom;
  ProgressBar progress(err, options.tracks.size(),
                       long_batch_on_terminal ? BarDisplay::kShown : BarDisplay::kHidden);
  const StopRequests stop_requests;
  TrackLoader loader;
  bool all_converted = true;
  std::size_t done = 0;
  std::size_t copies = 0;
  for (const auto& track : options.tracks) {
    // Checked between tracks only, so the copy in hand is finished and no temporary file stays.
    if (const auto stop = stop_requests.Pending()) {
      progress.Clear();
      err << "trkconv: stopped by " << stop->what << " before " << track << "; copies made: " << copies
          << ", tracks not converted: " << options.tracks.size() - done << '\n';
      return stop->exit_code;
    }
    const auto output = ConvertedPath(options, track);
    const auto converted = ConvertOne(track, output, guard, loader);
    progress.Clear();
    if (!converted) {
      all_converted = false;
      ReportFailure(err, track, converted.Failure().message);
    } else {
      ++copies;
      guard.Written(output);
      out << track << " -> " << output << '\n' << std::flush;
    }
    progress.Show(++done);
  }
  return all_converted ? kExitSuccess : kExitFailure;
}

}  // namespace tarmaxion::cli
