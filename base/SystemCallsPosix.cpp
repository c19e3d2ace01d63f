// The POSIX side of the system calls: renameat2 where the C library has it, and strerror
// decoded by the C locale.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "base/Encoding.h"
#include "base/SystemCalls.h"

namespace tarmaxion {

std::error_code RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  if (errno != EINVAL && errno != ENOSYS) return {errno, std::generic_category()};
#endif
  // File systems (and C libraries, such as WebAssembly's) without that rename still refuse to
  // link over an existing name.
  if (link(from.c_str(), to.c_str()) != 0) return {errno, std::generic_category()};
  unlink(from.c_str());
  return {};
}

// strerror gives the text of the locale's messages in the locale's character set; wide
// characters are UTF-32 here, so each one is a code point.
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

}  // namespace tarmaxion
