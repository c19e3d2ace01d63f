#include "base/Directory.h"

#include <filesystem>
#include <system_error>

namespace tarmaxion {

std::string CurrentDirectory() {
  std::error_code error;
  const auto folder = std::filesystem::current_path(error);
  if (error) return {};
  const auto utf8 = folder.u8string();
  std::string text(utf8.begin(), utf8.end());
  const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
  if (text.empty() || text.back() != separator) text.push_back(separator);
  return text;
}

}  // namespace tarmaxion
