#include "cli/OutputGuard.h"

#include "cli/Paths.h"

namespace tarmaxion::cli {
namespace fs = std::filesystem;
namespace {

std::optional<std::uintmax_t> SizeOf(const fs::path& path) {
  std::error_code error;
  const auto size = fs::file_size(path, error);
  return error ? std::nullopt : std::optional(size);
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) && !error;
}

}  // namespace

OutputGuard::OutputGuard(const std::vector<std::string>& inputs, Replace replace) : replace_(replace) {
  inputs_.reserve(inputs.size());
  for (const auto& input : inputs) {
    auto path = NativePath(input);
    auto size = SizeOf(path);
    inputs_.push_back({std::move(path), size});
  }
}

bool OutputGuard::IsInput(const fs::path& output) const {
  // Two names of one file have one size; comparing sizes first keeps a large batch from
  // testing every input against every existing output.
  const auto size = SizeOf(output);
  for (const auto& input : inputs_) {
    if (input.size == size && SameFile(input.path, output)) return true;
  }
  return false;
}

bool OutputGuard::WasWritten(const fs::path& output) const {
  for (const auto& written : written_) {
    if (SameFile(written, output)) return true;
  }
  return false;
}

std::optional<std::string> OutputGuard::Refusal(const std::string& output) const {
  const auto path = NativePath(output);
  std::error_code error;
  if (!fs::exists(path, error)) return std::nullopt;
  if (IsInput(path)) return output + " is one of the input files and is never replaced";
  if (WasWritten(path)) return output + " was already written by this run";
  if (replace_ == Replace::kRefuse) return output + " already exists (--force replaces it)";
  return std::nullopt;
}

void OutputGuard::Written(const std::string& output) { written_.push_back(NativePath(output)); }

}  // namespace tarmaxion::cli
