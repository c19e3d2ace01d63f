// File paths travel through the program as UTF-8 texts and become the platform's own path type
// only where a file is opened, so any name the platform allows round-trips.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarmaxion {

inline std::filesystem::path NativePath(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Path(const std::filesystem::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace tarmaxion
