#include "cli/OutputGuard.h"

#include "cli/Paths.h"

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

void Add(OutputGuard::FilesByKey& files, const fs::path& path) {
  if (const auto key = KeyOf(path)) files[*key].push_back(path);
}

bool Holds(const OutputGuard::FilesByKey& files, const fs::path& path) {
  const auto key = KeyOf(path);
  if (!key) return false;
  const auto same_key = files.find(*key);
  if (same_key == files.end()) return false;
  for (const auto& candidate : same_key->second) {
    std::error_code error;
    if (fs::equivalent(candidate, path, error) && !error) return true;
  }
  return false;
}

}  // namespace

OutputGuard::OutputGuard(const std::vector<std::string>& inputs, Replace replace) : replace_(replace) {
  for (const auto& input : inputs) Add(inputs_, NativePath(input));
}

std::optional<std::string> OutputGuard::Refusal(const std::string& output) const {
  const auto path = NativePath(output);
  std::error_code error;
  const auto status = fs::status(path, error);
  if (!fs::exists(status)) return std::nullopt;
  if (fs::is_directory(status)) return output + " is a folder";
  if (Holds(inputs_, path)) return output + " is one of the input files and is never replaced";
  if (Holds(written_, path)) return output + " was already written by this run";
  if (replace_ == Replace::kRefuse) return output + " already exists (--force replaces it)";
  return std::nullopt;
}

void OutputGuard::Written(const std::string& output) { Add(written_, NativePath(output)); }

}  // namespace tarmaxion::cli
