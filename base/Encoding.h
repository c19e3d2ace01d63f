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
std::string Utf8FromWindows1252(TextView text);

// Appends the UTF-8 bytes of one code point.
void AppendUtf8(std::string& out, char32_t c);

// Decodes the UTF-8 sequence at position i, which must lie inside utf8, and moves i past it;
// malformed input yields U+FFFD.
char32_t NextCodePoint(std::string_view utf8, std::size_t& i);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become "?".
Text Windows1252FromUtf8(std::string_view utf8);

// Whether text is well-formed UTF-8: no stray or missing continuation bytes, overlong forms,
// surrogates or code points past U+10FFFF.
bool IsUtf8(std::string_view text);

// The bytes in the base64 alphabet of RFC 4648, padded with "=".
std::string Base64(std::string_view bytes);

// The text without its last n characters (code points), "" when it has n or fewer.
std::string DropLastCharacters(std::string_view utf8, std::size_t n);

// The text with the capital letters of the Latin, Greek and Cyrillic alphabets made small, so
// that two names a file system that ignores case takes as one compare equal. Malformed UTF-8
// becomes U+FFFD, so such names may compare equal where the system would tell them apart.
std::string CaseFolded(std::string_view utf8);

}  // namespace tarmaxion
