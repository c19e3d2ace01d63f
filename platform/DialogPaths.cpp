#include "platform/DialogPaths.h"

namespace tarmaxion {
namespace {

bool IsValidFileName(std::string_view name) {
  if (name.empty()) return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\"*/:<>?\\|").find(c) != std::string_view::npos) {
      return false;
    }
  }
  return true;
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
