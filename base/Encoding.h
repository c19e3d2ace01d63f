// Conversions between Windows-1252 texts (what the controls and track files hold) and UTF-8
// (how the program keeps file paths, and what Unicode toolkits and terminals take).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Text.h"

namespace tarmaxion {

// Every Windows-1252 byte becomes its Unicode character; the five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so the
// conversion can be reversed exactly.
std::string Utf8FromWindows1252(std::string_view text);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become "?".
Text Windows1252FromUtf8(std::string_view utf8);

// The text without its last n characters (code points), "" when it has n or fewer.
std::string DropLastCharacters(std::string_view utf8, std::size_t n);

}  // namespace tarmaxion
