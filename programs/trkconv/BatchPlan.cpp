#include "programs/trkconv/BatchPlan.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <utility>

#include "base/NativePath.h"

namespace tarmaxion::cli {
namespace {

namespace fs = std::filesystem;

// The names under which two tracks could meet on one file: its file part, in ASCII lower case
// for the systems that ignore case, and for a symbolic link its target's too. Folders are left
// out, as one folder can be reached under two names.
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

// Two names of one file always share size and modification time, so an existing output needs
// the exact (and slower) identity test only with the inputs that share both: a batch stays
// linear in its length.
using FileKey = std::pair<std::uintmax_t, fs::file_time_type>;

std::optional<FileKey> KeyOf(const fs::path& path) {
  std::error_code error;
  const auto size = fs::file_size(path, error);
  if (error) return std::nullopt;
  const auto modified = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  return FileKey{size, modified};
}

std::vector<bool> OutputsThatAreInputs(const std::vector<std::string>& tracks, const std::vector<std::string>& outputs) {
  std::vector<bool> is_input(outputs.size(), false);
  // Keyed when the first output that exists turns up: into a fresh folder, never.
  std::map<FileKey, std::vector<std::size_t>> inputs;
  bool keyed = false;
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    const auto output = NativePath(outputs[i]);
    const auto key = KeyOf(output);
    if (!key) continue;
    for (std::size_t track = 0; !keyed && track < tracks.size(); ++track) {
      if (const auto track_key = KeyOf(NativePath(tracks[track]))) inputs[*track_key].push_back(track);
    }
    keyed = true;
    const auto same_key = inputs.find(*key);
    if (same_key == inputs.end()) continue;
    is_input[i] = std::any_of(same_key->second.begin(), same_key->second.end(), [&](std::size_t track) {
      std::error_code error;
      return fs::equivalent(NativePath(tracks[track]), output, error) && !error;
    });
  }
  return is_input;
}

std::vector<std::size_t> Chains(const std::vector<std::string>& tracks, const std::vector<std::string>& outputs) {
  // Union-find: a name seen before joins the track's chain to that of the track that had it.
  std::vector<std::size_t> root(tracks.size());
  std::iota(root.begin(), root.end(), std::size_t{0});
  const auto find = [&root](std::size_t i) {
    while (root[i] != i) i = root[i] = root[root[i]];
    return i;
  };
  std::unordered_map<std::string, std::size_t> first_with_name;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < tracks.size(); ++i) {
    names.clear();
    AddFileNames(names, tracks[i]);
    AddFileNames(names, outputs[i]);
    for (auto& name : names) {
      const auto [first, added] = first_with_name.emplace(std::move(name), i);
      if (!added) root[find(i)] = find(first->second);
    }
  }
  std::vector<std::size_t> after(tracks.size());
  std::vector<std::size_t> last(tracks.size(), BatchPlan::kFirst);  // each chain's latest track so far
  for (std::size_t i = 0; i < tracks.size(); ++i) after[i] = std::exchange(last[find(i)], i);
  return after;
}

}  // namespace

BatchPlan PlanBatch(const std::vector<std::string>& tracks,
                    const std::function<std::string(const std::string& track)>& output_path) {
  BatchPlan plan;
  plan.outputs.reserve(tracks.size());
  for (const auto& track : tracks) plan.outputs.push_back(output_path(track));
  plan.output_is_input = OutputsThatAreInputs(tracks, plan.outputs);
  plan.after = Chains(tracks, plan.outputs);
  return plan;
}

}  // namespace tarmaxion::cli
