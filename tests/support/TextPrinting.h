// How a check shows a Windows-1252 text when it fails: as UTF-8, which terminals take.
#pragma once

#include <ostream>

#include "base/Encoding.h"
#include "base/Text.h"

namespace tarmaxion {

inline std::ostream& operator<<(std::ostream& out, const Text& text) { return out << Utf8FromWindows1252(text); }

}  // namespace tarmaxion
