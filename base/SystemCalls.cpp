// The file-system and text services the standard library lacks, from standard C++ and, where the
// C library offers it, Linux's renameat2.
#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "base/Encoding.h"
#include "base/SystemCalls.h"

namespace tarmaxion {
namespace {

FileWrite RenameFailed(const std::error_code& error) {
  if (error == std::errc::file_exists) return Problem<WriteProblem>{WriteProblem::kExists, kExistsReason};
  return Problem<WriteProblem>{WriteProblem::kWriteFailed, SystemReason(error)};
}

}  // namespace

FileWrite RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return Done{};
  if (errno != EINVAL && errno != ENOSYS) return RenameFailed({errno, std::generic_category()});
#endif
  // Elsewhere (Windows, WebAssembly, file systems without that rename) a hard link is never
  // made over an existing name either; the temporary name goes once the link stands.
  std::error_code error;
  std::filesystem::create_hard_link(from, to, error);
  if (!error) {
    std::filesystem::remove(from, error);
    return Done{};
  }
  if (std::filesystem::exists(to)) return RenameFailed(std::make_error_code(std::errc::file_exists));
  // A file system without links (FAT, say) can only look first; there two writers may still
  // meet, as they always could on it.
  std::filesystem::rename(from, to, error);
  if (error) return RenameFailed(error);
  return Done{};
}

// strerror gives the text of the locale's messages in the locale's character set (the ANSI code
// page on Windows); its characters all lie in the basic plane, so each wide character is one
// code point.
std::string SystemReason(int error) {
  const std::string local = std::strerror(error);
  std::string utf8;
  std::mbstate_t state{};
  const char* at = local.c_str();
  const char* const end = at + local.size();
  while (at < end) {
    wchar_t c = 0;
    const auto used = std::mbrtowc(&c, at, static_cast<std::size_t>(end - at), &state);
    if (used == 0 || used > static_cast<std::size_t>(end - at)) {
      // Not a character of the locale's set: keep the message readable rather than empty.
      utf8.push_back('?');
      state = {};
      ++at;
      continue;
    }
    AppendUtf8(utf8, static_cast<char32_t>(c));
    at += used;
  }
  return utf8;
}

std::string SystemReason(const std::error_code& error) {
  return error.category() == std::generic_category() ? SystemReason(error.value()) : error.message();
}

}  // namespace tarmaxion
