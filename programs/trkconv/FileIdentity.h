// Telling two names of one file apart from two files cheaply: two names of one file always
// share size and modification time, so only names that share both need the exact (and slower)
// identity test, and a batch stays linear in its length.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>

namespace tarmaxion::cli {

using FileKey = std::pair<std::uintmax_t, std::filesystem::file_time_type>;

// The file's size and modification time; nothing when it cannot be looked at.
std::optional<FileKey> KeyOf(const std::filesystem::path& path);

// Whether a and b name one file (hard links included); false when either cannot be looked at.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace tarmaxion::cli
