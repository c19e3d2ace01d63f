// The Windows side of the system calls: a move that refuses an existing target, and the C
// runtime's error texts, which come in the ANSI code page.
#include <windows.h>

#include <cstring>

#include "base/SystemCalls.h"

namespace tarmaxion {

std::error_code RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return {};
  const auto error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
    return std::make_error_code(std::errc::file_exists);
  }
  return {static_cast<int>(error), std::system_category()};
}

std::string SystemReason(int error) {
  const char* const local = std::strerror(error);
  const int length = static_cast<int>(std::strlen(local));
  const int wide_length = MultiByteToWideChar(CP_ACP, 0, local, length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, local, length, wide.data(), wide_length);
  const int utf8_length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(utf8_length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, utf8.data(), utf8_length, nullptr, nullptr);
  return utf8;
}

}  // namespace tarmaxion
