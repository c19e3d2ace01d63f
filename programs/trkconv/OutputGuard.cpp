#include "programs/trkconv/OutputGuard.h"

#include <optional>

#include "base/NativePath.h"

namespace tarmaxion::cli {
namespace fs = std::filesystem;
namespace {

std::optional<OutputGuard::FileKey> KeyOf(const fs::path& path) {
  std::error_code error;
  const auto size = fs::file_size(path, error);
  if (error) return std::nullopt;
  const auto modified = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  return OutputGuard::FileKey{size, modified.time_since_epoch().count()};
}

}  // namespace

bool OutputGuard::Files::Holds(const FileKey& key, const fs::path& path) {
  for (auto& name : unkeyed_) {
    if (const auto name_key = KeyOf(NativePath(name))) keyed_[*name_key].push_back(std::move(name));
  }
  unkeyed_.clear();
  const auto same_key = keyed_.find(key);
  if (same_key == keyed_.end()) return false;
  for (const auto& candidate : same_key->second) {
    std::error_code error;
    if (fs::equivalent(NativePath(candidate), path, error) && !error) return true;
  }
  return false;
}

OutputGuard::OutputGuard(const std::vector<std::string>& inputs, Replace replace) : replace_(replace) {
  for (const auto& input : inputs) inputs_.Add(input);
}

FileOutcome OutputGuard::MayWrite(const std::string& output) const {
  const auto refused = [&](const char* why) { return Failure{FailureKind::kOutputRefused, output + why}; };
  const auto path = NativePath(output);
  std::error_code error;
  const auto status = fs::status(path, error);
  if (!fs::exists(status)) return Done{};
  if (fs::is_directory(status)) return refused(" is a folder");
  if (const auto key = KeyOf(path)) {
    const std::scoped_lock lock(mutex_);
    // Written first: a name given as an input that named no file yet may be an output of this run.
    if (written_.Holds(*key, path)) return refused(" was already written by this run");
    if (inputs_.Holds(*key, path)) return refused(" is one of the input files and is never replaced");
  }
  if (replace_ == Replace::kRefuse) return AlreadyExists(output);
  return Done{};
}

Failure OutputGuard::AlreadyExists(const std::string& output) {
  return Failure{FailureKind::kOutputRefused, output + " already exists (--force replaces it)"};
}

void OutputGuard::Written(const std::string& output) {
  const std::scoped_lock lock(mutex_);
  written_.Add(output);
}

}  // namespace tarmaxion::cli
