#include "base/PathParts.h"

namespace tarmaxion {

std::string FilePart(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string PathPart(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

bool AllowedInWindowsFileName(char c) {
  return static_cast<unsigned char>(c) >= 0x20 && std::string_view("\"*/:<>?\\|").find(c) == std::string_view::npos;
}

}  // namespace tarmaxion
