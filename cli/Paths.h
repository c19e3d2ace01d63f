// Paths as trkconv handles them: UTF-8 texts, turned into native paths only at the file system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarmaxion::cli {

inline std::filesystem::path NativePath(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Path(const std::filesystem::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace tarmaxion::cli
