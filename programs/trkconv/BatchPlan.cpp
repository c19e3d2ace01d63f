#include "programs/trkconv/BatchPlan.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <numeric>
#include <unordered_map>
#include <utility>

#include "base/NativePath.h"
#include "programs/trkconv/FileIdentity.h"

namespace tarmaxion::cli {
namespace {

namespace fs = std::filesystem;

// The names under which two tracks could meet on one file: its file part, in ASCII lower case
// for the systems that ignore case, and for a symbolic link its target's too. Folders are left
// out, as one folder can be reached under two names.
void AddFileNames(std::vector<std::string>& names, const fs::path& path, fs::file_status status) {
  const auto add = [&names](std::string name) {
    for (auto& c : name) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    names.push_back(std::move(name));
  };
  add(Utf8Path(path.filename()));
  std::error_code error;
  if (fs::is_symlink(status)) {
    const auto target = fs::weakly_canonical(path, error);
    if (!error) add(Utf8Path(target.filename()));
  }
}

class InputFiles {
 public:
  explicit InputFiles(const std::vector<std::string>& tracks) : tracks_(tracks) {}

  bool Hold(const fs::path& path, const FileKey& key) {
    // Keyed when the first output that exists turns up: into a fresh folder, never.
    for (; keyed_ < tracks_.size(); ++keyed_) {
      if (const auto track_key = KeyOf(NativePath(tracks_[keyed_]))) by_key_[*track_key].push_back(keyed_);
    }
    const auto same_key = by_key_.find(key);
    if (same_key == by_key_.end()) return false;
    return std::any_of(same_key->second.begin(), same_key->second.end(),
                       [&](std::size_t track) { return SameFile(NativePath(tracks_[track]), path); });
  }

 private:
  const std::vector<std::string>& tracks_;
  std::size_t keyed_ = 0;
  std::map<FileKey, std::vector<std::size_t>> by_key_;
};

// Union-find over the tracks: a name seen before joins a track's chain to that of the track
// that had it first.
class Chains {
 public:
  explicit Chains(std::size_t count) : root_(count) { std::iota(root_.begin(), root_.end(), std::size_t{0}); }

  void Join(std::size_t track, std::vector<std::string>& names) {
    for (auto& name : names) {
      const auto [first, added] = first_with_name_.emplace(std::move(name), track);
      if (!added) root_[Root(track)] = Root(first->second);
    }
  }

  std::vector<std::size_t> After() {
    std::vector<std::size_t> after(root_.size());
    std::vector<std::size_t> last(root_.size(), BatchPlan::kFirst);  // each chain's latest track so far
    for (std::size_t i = 0; i < root_.size(); ++i) after[i] = std::exchange(last[Root(i)], i);
    return after;
  }

 private:
  std::size_t Root(std::size_t i) {
    while (root_[i] != i) i = root_[i] = root_[root_[i]];
    return i;
  }

  std::vector<std::size_t> root_;
  std::unordered_map<std::string, std::size_t> first_with_name_;
};

}  // namespace

BatchPlan PlanBatch(const std::vector<std::string>& tracks,
                    const std::function<std::string(const std::string& track)>& output_path, std::size_t threads) {
  BatchPlan plan;
  InputFiles inputs(tracks);
  Chains chains(tracks.size());
  std::vector<std::string> names;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    plan.outputs.push_back(output_path(tracks[i]));
    const auto output = NativePath(plan.outputs.back());
    std::error_code error;
    const auto output_status = fs::symlink_status(output, error);
    names.clear();
    if (threads > 1) {
      const auto input = NativePath(tracks[i]);
      AddFileNames(names, input, fs::symlink_status(input, error));
    }
    AddFileNames(names, output, output_status);
    chains.Join(i, names);
    const auto key = fs::exists(output_status) ? KeyOf(output) : std::nullopt;
    if (key && inputs.Hold(output, *key)) {
      plan.found.push_back(OutputFound::kInput);
    } else {
      plan.found.push_back(fs::exists(output_status) ? OutputFound::kSomethingElse : OutputFound::kNothing);
    }
  }
  plan.after = chains.After();
  return plan;
}

}  // namespace tarmaxion::cli
