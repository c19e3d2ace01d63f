#include "programs/trkconv/BatchRun.h"

#include <exception>
#include <filesystem>
#include <memory>
#include <optional>

#include "base/Files.h"
#include "base/NativePath.h"
#include "programs/trkconv/InOrderPool.h"
#include "programs/trkconv/ProgressBar.h"
#include "programs/trkconv/StopRequests.h"

namespace tarmaxion::cli {
namespace {

namespace fs = std::filesystem;

// The names under which two jobs could meet on one file: its file part, in ASCII lower case for
// the systems that ignore case, and for a symbolic link its target's too. Folders are left out,
// as one folder can be reached under two names.
void AddFileNames(std::vector<std::string>& names, const std::string& utf8_path) {
  const auto add = [&names](std::string name) {
    for (auto& c : name) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    names.push_back(std::move(name));
  };
  const auto path = NativePath(utf8_path);
  add(Utf8Path(path.filename()));
  std::error_code error;
  if (fs::is_symlink(fs::symlink_status(path, error))) {
    const auto target = fs::weakly_canonical(path, error);
    if (!error) add(Utf8Path(target.filename()));
  }
}

FileOutcome WriteToStandardOutput(std::span<const std::uint8_t> bytes, const Console& console) {
  if (console.binary_out) console.binary_out();
  console.out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  console.out.flush();
  if (!console.out) return Failure{FailureKind::kNotWritten, "standard output takes no more bytes"};
  return Done{};
}

FileOutcome WriteOutput(const std::string& output, std::span<const std::uint8_t> bytes, OutputGuard& guard) {
  if (const auto written = WriteFileReplacing(output, bytes, guard.WriteMode()); !written) {
    if (written.Failure().kind == WriteProblem::kExists) return OutputGuard::AlreadyExists(output);
    // The window's message names the file; a command line may point anywhere, so trkconv names
    // the path as given.
    return Failure{FailureKind::kNotWritten, "Not saved: " + output + ": " + written.Failure().message};
  }
  guard.Written(output);
  return Done{};
}

FileOutcome RunOne(const std::string& track, const std::string& output, OutputGuard& guard, BatchWorker& worker,
                   const BatchWork& work, const Console& console) {
  const bool to_standard_output = output == kStandardStream;
  if (!to_standard_output) {
    if (auto allowed = guard.MayWrite(output); !allowed) return allowed;
  }
  const auto loaded = worker.loader.Load(track);
  if (!loaded) return loaded.Failure();
  if ((*loaded)->outcome != TrackOutcome::kRead) {
    return Failure{FailureKind::kNotConverted, (*loaded)->message.Utf8()};
  }
  const auto made = work.make(worker, output);
  if (!made) return made.Failure();
  return to_standard_output ? WriteToStandardOutput(*made, console) : WriteOutput(output, *made, guard);
}

}  // namespace

std::string OutputPath(const BatchOptions& options, const std::string& default_beside_track) {
  if (!options.output.empty()) return options.output;
  if (options.out_dir.empty()) return default_beside_track;
  return Utf8Path(NativePath(options.out_dir) / NativePath(default_beside_track).filename());
}

int RunBatch(const BatchOptions& options, const BatchWork& work, const Console& console) {
  const auto& tracks = options.tracks;
  OutputGuard guard(tracks, options.replace);
  const bool long_batch_on_terminal = console.err_is_terminal && tracks.size() >= kProgressBarFrom;
  ProgressBar progress(console.err, tracks.size(), long_batch_on_terminal ? BarDisplay::kShown : BarDisplay::kHidden);
  const StopRequests stop_requests;
  std::optional<StopRequest> stop;
  std::vector<std::unique_ptr<BatchWorker>> workers;
  const auto worker_count = std::max<std::size_t>(1, std::min(options.jobs, tracks.size()));
  while (workers.size() < worker_count) workers.push_back(std::make_unique<BatchWorker>(console.in));

  bool all_succeeded = true;
  std::size_t made = 0;
  PoolJobs jobs;
  jobs.count = tracks.size();
  jobs.run = [&](std::size_t index, std::size_t worker) -> FileOutcome {
    try {
      return RunOne(tracks[index], work.output_path(tracks[index]), guard, *workers[worker], work, console);
    } catch (const std::exception& error) {
      return Failure{FailureKind::kNotWritten, error.what()};
    }
  };
  jobs.names = [&](std::size_t index) {
    std::vector<std::string> names;
    AddFileNames(names, tracks[index]);
    AddFileNames(names, work.output_path(tracks[index]));
    return names;
  };
  // Lines on out are flushed before each line on err, so the two streams interleave as they
  // were written when they share a file or a terminal, and otherwise in blocks.
  jobs.report = [&](std::size_t index, const FileOutcome& outcome) {
    progress.Clear();
    if (!outcome) {
      all_succeeded = false;
      console.out.flush();
      ReportFailure(console.err, tracks[index], outcome.Failure().message);
    } else {
      ++made;
      const auto output = work.output_path(tracks[index]);
      if (output != kStandardStream) console.out << tracks[index] << " -> " << output << '\n';
    }
    progress.Show(index + 1);
  };
  jobs.stop_requested = [&] {
    stop = stop_requests.Pending();
    return stop.has_value();
  };

  const auto ran = RunInOrder(jobs, workers.size());
  console.out.flush();
  if (ran < tracks.size()) {
    progress.Clear();
    console.err << "trkconv: stopped by " << stop->what << " before " << tracks[ran] << "; " << work.made << ": "
                << made << ", " << work.not_done << ": " << tracks.size() - ran << '\n';
    return stop->exit_code;
  }
  return all_succeeded ? kExitSuccess : kExitFailure;
}

}  // namespace tarmaxion::cli
