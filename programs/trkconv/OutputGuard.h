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

  // Files by UTF-8 name (a native path also keeps its parsed parts, several times the memory,
  // and a batch holds every input and every output), keyed when first asked about: into a
  // fresh folder a batch finds no output existing and never looks at a size or a time.
  class Files {
   public:
    void Add(std::string utf8_path) { unkeyed_.push_back(std::move(utf8_path)); }
    // Whether path, whose key is key, is one of the files.
    bool Holds(const FileKey& key, const std::filesystem::path& path);

   private:
    std::vector<std::string> unkeyed_;
    std::map<FileKey, std::vector<std::string>> keyed_;
  };

 private:
  mutable std::mutex mutex_;
  mutable Files inputs_;
  mutable Files written_;
  Replace replace_;
};

}  // namespace tarmaxion::cli
