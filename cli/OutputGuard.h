// Decides whether trkconv may write a file: never over one of its inputs, never twice to the
// same file in one run, and over an existing file only when asked to.
#pragma once

#include <compare>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarmaxion::cli {

enum class Replace { kRefuse, kAllow };

class OutputGuard {
 public:
  OutputGuard(const std::vector<std::string>& inputs, Replace replace);

  // Why output must not be written, or nothing when it may.
  std::optional<std::string> Refusal(const std::string& output) const;
  // Records a file this run has written, so no later file of the run replaces it.
  void Written(const std::string& output);

  // Two names of one file always share size and modification time, so only files that share
  // both need the exact (and slower) identity test; a batch stays linear in its length.
  struct FileKey {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type::rep modified = 0;
    auto operator<=>(const FileKey&) const = default;
  };
  using FilesByKey = std::map<FileKey, std::vector<std::filesystem::path>>;

 private:
  FilesByKey inputs_;
  FilesByKey written_;
  Replace replace_;
};

}  // namespace tarmaxion::cli
