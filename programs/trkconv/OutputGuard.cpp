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

void Add(OutputGuard::FilesByKey& files, const std::string& utf8_path) {
  if (const auto key = KeyOf(NativePath(utf8_path))) files[*key].push_back(utf8_path);
}

bool Holds(const OutputGuard::FilesByKey& files, const OutputGuard::FileKey& key, const fs::path& path) {
  const auto same_key = files.find(key);
  if (same_key == files.end()) return false;
  for (const auto& candidate : same_key->second) {
    std::error_code error;
    if (fs::equivalent(NativePath(candidate), path, error) && !error) return true;
  }
  return false;
}

}  // namespace

OutputGuard::OutputGuard(const std::vector<std::string>& inputs, Replace replace) : replace_(replace) {
  for (const auto& input : inputs) Add(inputs_, input);
}

FileOutcome OutputGuard::MayWrite(const std::string& output) const {
  const auto refused = [&](const char* why) { return Failure{FailureKind::kOutputRefused, output + why}; };
  const auto path = NativePath(output);
  std::error_code error;
  const auto status = fs::status(path, error);
  if (!fs::exists(status)) return Done{};
  if (fs::is_directory(status)) return refused(" is a folder");
  if (const auto key = KeyOf(path)) {
    if (Holds(inputs_, *key, path)) return refused(" is one of the input files and is never replaced");
    const std::scoped_lock lock(written_mutex_);
    if (Holds(written_, *key, path)) return refused(" was already written by this run");
  }
  if (replace_ == Replace::kRefuse) return AlreadyExists(output);
  return Done{};
}

Failure OutputGuard::AlreadyExists(const std::string& output) {
  return Failure{FailureKind::kOutputRefused, output + " already exists (--force replaces it)"};
}

void OutputGuard::Written(const std::string& output) {
  const std::scoped_lock lock(written_mutex_);
  Add(written_, output);
}

}  // namespace tarmaxion::cli
