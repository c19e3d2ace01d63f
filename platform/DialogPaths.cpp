#include "platform/DialogPaths.h"

#include <algorithm>

#include "base/PathParts.h"

namespace tarmaxion {
namespace {

bool IsValidFileName(std::string_view name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), AllowedInWindowsFileName);
}

}  // namespace

DialogStart SplitDefaultPath(std::string_view default_path) {
  const auto slash = default_path.find_last_of("\\/");
  DialogStart start;
  std::string_view name = default_path;
  if (slash != std::string_view::npos && slash > 0) {
    start.folder = std::string(default_path.substr(0, slash));
    name = default_path.substr(slash + 1);
  }
  if (IsValidFileName(name)) start.file_name = std::string(name);
  return start;
}

}  // namespace tarmaxion
