#include "programs/trkconv/FileIdentity.h"

#include <system_error>

namespace tarmaxion::cli {

namespace fs = std::filesystem;

std::optional<FileKey> KeyOf(const fs::path& path) {
  std::error_code error;
  const auto size = fs::file_size(path, error);
  if (error) return std::nullopt;
  const auto modified = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  return FileKey{size, modified};
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) && !error;
}

}  // namespace tarmaxion::cli
