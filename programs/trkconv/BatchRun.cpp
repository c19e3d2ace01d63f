#include "programs/trkconv/BatchRun.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "base/Files.h"
#include "base/NativePath.h"
#include "programs/trkconv/BatchPlan.h"
#include "programs/trkconv/ProgressBar.h"
#include "programs/trkconv/RepeatedTracks.h"
#include "programs/trkconv/StopRequests.h"

namespace tarmaxion::cli {
namespace {

namespace fs = std::filesystem;

// The plan, and each track's outcome once it has run.
struct Batch {
  const BatchOptions& options;
  const BatchWork& work;
  const Console& console;
  const std::size_t threads = std::max<std::size_t>(1, std::min(options.jobs, options.tracks.size()));
  const BatchPlan plan = PlanBatch(options.tracks, work.output_path, threads);
  std::vector<std::optional<FileOutcome>> outcomes = std::vector<std::optional<FileOutcome>>(options.tracks.size());
  std::mutex mutex{};  // guards outcomes while tracks run
  std::condition_variable ran{};  // an outcome was stored
  std::atomic<std::size_t> next{0};  // the next track to take
};

Failure AlreadyExists(const std::string& output) {
  return Failure{FailureKind::kOutputRefused, output + " already exists (--force replaces it)"};
}

// Whether track index may write its output. The plan knows the outputs that are inputs; a file
// written by an earlier track shows here, as every earlier track of the chain has run.
FileOutcome MayWrite(const Batch& batch, std::size_t index) {
  const auto& plan = batch.plan;
  const auto& output = plan.outputs[index];
  const auto refused = [&](const char* why) { return Failure{FailureKind::kOutputRefused, output + why}; };
  if (plan.found[index] == OutputFound::kInput) return refused(" is one of the input files and is never replaced");
  // Only another program can have made the file since the plan, and the write refuses its name.
  if (plan.found[index] == OutputFound::kNothing && plan.after[index] == BatchPlan::kFirst) return Done{};
  const auto path = NativePath(output);
  std::error_code error;
  const auto status = fs::status(path, error);
  if (!fs::exists(status)) return Done{};
  if (fs::is_directory(status)) return refused(" is a folder");
  for (auto earlier = plan.after[index]; earlier != BatchPlan::kFirst; earlier = plan.after[earlier]) {
    if (*batch.outcomes[earlier] && fs::equivalent(NativePath(plan.outputs[earlier]), path, error) && !error) {
      return refused(" was already written by this run");
    }
  }
  if (batch.options.replace == Replace::kRefuse) return AlreadyExists(output);
  return Done{};
}

FileOutcome WriteToStandardOutput(std::span<const std::uint8_t> bytes, const Console& console) {
  if (console.binary_out) console.binary_out();
  console.out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  console.out.flush();
  if (!console.out) return Failure{FailureKind::kNotWritten, "standard output takes no more bytes"};
  return Done{};
}

// How the write treats an existing file: MayWrite looked first, but another program may create
// the file after it looked, so the write decides again in one step.
FileOutcome WriteOutput(const std::string& output, std::span<const std::uint8_t> bytes, Replace replace) {
  const auto mode = replace == Replace::kAllow ? IfExists::kReplace : IfExists::kRefuse;
  if (const auto written = WriteFileReplacing(output, bytes, mode); !written) {
    if (written.Failure().kind == WriteProblem::kExists) return AlreadyExists(output);
    // The window's message names the file; a command line may point anywhere, so trkconv names
    // the path as given.
    return Failure{FailureKind::kNotWritten, "Not saved: " + output + ": " + written.Failure().message};
  }
  return Done{};
}

FileOutcome RunOne(const Batch& batch, BatchWorker& worker, std::size_t index) try {
  const auto& output = batch.plan.outputs[index];
  const bool to_standard_output = output == kStandardStream;
  if (!to_standard_output) {
    if (auto allowed = MayWrite(batch, index); !allowed) return allowed;
  }
  const auto loaded = worker.loader.Load(batch.options.tracks[index], batch.options.code_page);
  if (!loaded) return loaded.Failure();
  if ((*loaded)->outcome != TrackOutcome::kRead) {
    return Failure{FailureKind::kNotConverted, (*loaded)->message.Utf8()};
  }
  const auto made = batch.work.make(worker, output);
  if (!made) return made.Failure();
  return to_standard_output ? WriteToStandardOutput(*made, batch.console)
                            : WriteOutput(output, *made, batch.options.replace);
} catch (const std::exception& error) {
  return Failure{FailureKind::kNotWritten, error.what()};
}

// Takes the next track until none is left or a stop is requested, so the tracks that ran are
// always the first ones; each waits for the track before it in its chain.
void Work(Batch& batch, const StopRequests& stop_requests, const std::function<void()>& after_each) {
  const auto worker = std::make_unique<BatchWorker>(batch.console.in);
  const auto count = batch.options.tracks.size();
  for (std::size_t index = 0; !stop_requests.Pending() && (index = batch.next++) < count;) {
    if (const auto earlier = batch.plan.after[index]; earlier != BatchPlan::kFirst) {
      std::unique_lock lock(batch.mutex);
      batch.ran.wait(lock, [&] { return batch.outcomes[earlier].has_value(); });
    }
    auto outcome = RunOne(batch, *worker, index);
    {
      const std::scoped_lock lock(batch.mutex);
      batch.outcomes[index] = std::move(outcome);
    }
    batch.ran.notify_all();
    after_each();
  }
}

// mkdir -p: the folder and any missing folders above it.
FileOutcome MakeOutputFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(NativePath(folder), error);
  if (error) return Failure{FailureKind::kNotWritten, error.message()};
  return Done{};
}

}  // namespace

std::string OutputPath(const BatchOptions& options, const std::string& default_beside_track) {
  if (!options.output.empty()) return options.output;
  if (options.out_dir.empty()) return default_beside_track;
  return Utf8Path(NativePath(options.out_dir) / NativePath(default_beside_track).filename());
}

int RunBatch(const BatchOptions& given, const BatchWork& work, const Console& console) {
  if (given.output == kStandardStream && console.out_is_terminal) {
    console.err << "trkconv: " << work.output_kind
                << " is binary data and is not written to a terminal; redirect standard output or name a file"
                   " with -o\n";
    return kExitUsage;
  }
  if (!given.out_dir.empty()) {
    if (const auto made_folder = MakeOutputFolder(given.out_dir); !made_folder) {
      ReportFailure(console.err, given.out_dir, made_folder.Failure().message);
      return kExitFailure;
    }
  }
  BatchOptions options = given;
  RemoveRepeatedTracks(options.tracks, console.err);
  Batch batch{options, work, console};
  const auto& tracks = options.tracks;
  const bool long_batch_on_terminal = console.err_is_terminal && tracks.size() >= kProgressBarFrom;
  ProgressBar progress(console.err, tracks.size(), long_batch_on_terminal ? BarDisplay::kShown : BarDisplay::kHidden);
  const StopRequests stop_requests;

  bool all_succeeded = true;
  std::size_t printed = 0;
  std::size_t made = 0;
  // Prints the outcomes ready so far, in input order. Lines on out are flushed before each line
  // on err, so the two streams interleave as they were written when they share a file or a
  // terminal, and otherwise in blocks.
  const auto print_ready = [&] {
    for (; printed < tracks.size(); ++printed) {
      {
        const std::scoped_lock lock(batch.mutex);
        if (!batch.outcomes[printed]) return;
      }
      const auto& outcome = *batch.outcomes[printed];
      progress.Clear();
      if (!outcome) {
        all_succeeded = false;
        console.out.flush();
        ReportFailure(console.err, tracks[printed], outcome.Failure().message);
      } else {
        ++made;
        const auto& output = batch.plan.outputs[printed];
        if (output != kStandardStream) console.out << tracks[printed] << " -> " << output << '\n';
      }
      progress.Show(printed + 1);
    }
  };
  {
    // This thread works too, and prints between its tracks.
    std::vector<std::jthread> helpers;
    while (helpers.size() + 1 < batch.threads) helpers.emplace_back([&] { Work(batch, stop_requests, [] {}); });
    Work(batch, stop_requests, print_ready);
  }
  print_ready();
  console.out.flush();
  if (printed < tracks.size()) {
    const auto stop = stop_requests.Pending();
    progress.Clear();
    console.err << "trkconv: stopped by " << stop->what << " before " << tracks[printed] << "; " << work.made
                << ": " << made << ", " << work.not_done << ": " << tracks.size() - printed << '\n';
    return stop->exit_code;
  }
  return all_succeeded ? kExitSuccess : kExitFailure;
}

}  // namespace tarmaxion::cli
