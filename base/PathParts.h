// A path's folder and file name, split at the last separator of either kind, so a Windows path
// splits the same on every system. Paths are UTF-8; both separators are ASCII, so no character
// is ever cut.
#pragma once

#include <string>
#include <string_view>

namespace tarmaxion {

// The text after, or up to and including, the last "\\" or "/" ("" for PathPart without one).
std::string FilePart(std::string_view path);
std::string PathPart(std::string_view path);

// False for the characters no Windows file name may hold: the control characters and
// " * / : < > ? \ |.
bool AllowedInWindowsFileName(char c);

}  // namespace tarmaxion
