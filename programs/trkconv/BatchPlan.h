// A batch decided before any track is read: where each track's output goes, which outputs are
// input files, and which tracks may meet on one file and so run one after the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace tarmaxion::cli {

// What an output's path named when the batch was planned.
enum class OutputFound : std::uint8_t { kNothing, kInput, kSomethingElse };

struct BatchPlan {
  static constexpr std::size_t kFirst = std::numeric_limits<std::size_t>::max();

  std::vector<std::string> outputs;  // each track's output path, UTF-8
  // kInput: one of the input files, under any name (hard links included); kSomethingElse: a
  // file, a folder or a link.
  std::vector<OutputFound> found;
  // The track that runs just before this one on the files they may share, else kFirst. Tracks
  // that share the file part of an input's or an output's name, or of a symbolic link's target
  // (in ASCII lower case, for the systems that ignore case), form one chain in input order, so
  // a track sees every file of its chain as the tracks before it in the batch left it.
  std::vector<std::size_t> after;
};

// On one thread the tracks run in input order anyway, so the chains join only outputs, which
// may still be one file.
BatchPlan PlanBatch(const std::vector<std::string>& tracks,
                    const std::function<std::string(const std::string& track)>& output_path, std::size_t threads);

}  // namespace tarmaxion::cli
