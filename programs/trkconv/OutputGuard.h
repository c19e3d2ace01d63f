// Decides whether trkconv may write a file: never over one of its inputs, never twice to the
// same file in one run, and over an existing file only when asked to. The threads of a batch
// share one guard.
#pragma once

#include <compare>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "base/Files.h"
#include "programs/trkconv/Failure.h"

namespace tarmaxion::cli {

enum class Replace { kRefuse, kAllow };

class OutputGuard {
 public:
  OutputGuard(const std::vector<std::string>& inputs, Replace replace);

  // Whether output may be written, or why not.
  FileOutcome MayWrite(const std::string& output) const;
  // How the write itself treats an existing file. MayWrite looks first, but another program may
  // create the file after it looked, so the write decides again in one step.
  IfExists WriteMode() const { return replace_ == Replace::kAllow ? IfExists::kReplace : IfExists::kRefuse; }
  // The refusal of a file that exists and is not to be replaced.
  static Failure AlreadyExists(const std::string& output);
  // Records a file this run has written, so no later file of the run replaces it.
  void Written(const std::string& output);

  // Two names of one file always share size and modification time, so only files that share
  // both need the exact (and slower) identity test; a batch stays linear in its length.
  struct FileKey {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type::rep modified = 0;
    auto operator<=>(const FileKey&) const = default;
  };
  // UTF-8 names: a native path also keeps its parsed parts, several times the memory, and a
  // batch holds every input and every copy.
  using FilesByKey = std::map<FileKey, std::vector<std::string>>;

 private:
  FilesByKey inputs_;
  mutable std::mutex written_mutex_;
  FilesByKey written_;
  Replace replace_;
};

}  // namespace tarmaxion::cli
