// What convert and preview share: a batch of tracks, each read and made into one output file.
// The batch is planned first (BatchPlan), then its tracks run on several threads at once and
// their outcomes are printed in input order, the same lines as one thread would print. No
// output is ever written over an input, nor twice in one run, nor over an existing file without
// Replace::kAllow; a request to stop ends the batch after the files in hand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "programs/trkconv/TrackLoader.h"
#include "programs/trkconv/Trkconv.h"

namespace tarmaxion::cli {

enum class Replace { kRefuse, kAllow };

// Batches longer than this show a progress bar, when one is wanted at all.
inline constexpr std::size_t kProgressBarFrom = 21;

struct BatchOptions {
  std::vector<std::string> tracks;  // UTF-8 paths
  std::string output;               // the output's path, for a single track; "-" for standard output
  std::string out_dir;              // the folder for the outputs, under their default names
  Replace replace = Replace::kRefuse;
  std::size_t jobs = 1;  // tracks worked on at once
  CodePage code_page = CodePage::k1252;  // of the track texts a map's caption shows
};

// One thread's tools: a loader of its own, and room for the output it makes.
struct BatchWorker {
  explicit BatchWorker(std::istream& standard_input) : loader(standard_input) {}
  TrackLoader loader;
  std::vector<std::uint8_t> output;
};

// Where one track's output goes: the path given for it, else the default name's file part in
// the output folder, else the default name itself, beside the track.
std::string OutputPath(const BatchOptions& options, const std::string& default_beside_track);

// The bytes of one output file, valid until the worker's next track.
using MadeOutput = Result<std::span<const std::uint8_t>, Failure>;

struct BatchWork {
  // Where the output of track goes.
  std::function<std::string(const std::string& track)> output_path;
  // What goes into output for the track the worker's loader has just read; any thread may
  // call it.
  std::function<MadeOutput(BatchWorker& worker, const std::string& output)> make;
  // The stop line's words: "copies made", "tracks not converted".
  const char* made = "";
  const char* not_done = "";
  // What one output is, for the refusal to write it to a terminal: "a track copy".
  const char* output_kind = "";
};

// Prints "<track> -> <output>" on out for each output written (nothing for "-": the bytes go
// to out), one line on err for each track that failed, and a progress bar on a terminal's err.
// A track given twice is worked on once, and the output folder is made first when it is
// missing. Binary data never goes to a terminal: "-o -" there is refused before any track is
// read. The exit code: kExitSuccess when every track succeeded, kExitFailure when one did not
// (or the output folder could not be made), kExitUsage for "-o -" on a terminal, and the stop
// request's (130 for Ctrl-C) when the batch was stopped.
int RunBatch(const BatchOptions& options, const BatchWork& work, const Console& console);

}  // namespace tarmaxion::cli
