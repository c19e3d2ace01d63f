// Decides whether trkconv may write a file: never over one of its inputs, never twice to the
// same file in one run, and over an existing file only when asked to.
#pragma once

#include <cstdint>
#include <filesystem>
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

 private:
  struct Input {
    std::filesystem::path path;
    std::optional<std::uintmax_t> size;  // to skip the identity test for most inputs
  };
  bool IsInput(const std::filesystem::path& output) const;
  bool WasWritten(const std::filesystem::path& output) const;

  std::vector<Input> inputs_;
  std::vector<std::filesystem::path> written_;
  Replace replace_;
};

}  // namespace tarmaxion::cli
