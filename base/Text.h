// Text services: byte strings in the Windows-1252 code page, counted in bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarmaxion {

// One byte per character, Windows-1252, exactly as track files and the controls hold them.
using Text = std::string;

// Decimal digits of a signed value, "-" in front when negative, no padding.
Text DecimalText(std::int64_t value);

// The bytes up to the first zero byte or max_length bytes, whichever comes first; never reads
// past the end of bytes.
Text ReadText(std::span<const std::uint8_t> bytes, std::size_t max_length);

// Without leading and trailing space characters (0x20 only; tabs and other bytes stay).
Text TrimBlanks(std::string_view text);

// Exactly width characters: fill characters, then the first min(length, width) characters.
Text PadLeft(std::string_view text, int width, char fill);

// First or last n characters; n below 0 gives "", n beyond the length the whole text.
Text LeftPart(std::string_view text, std::int64_t n);
Text RightPart(std::string_view text, std::int64_t n);

// The text after, or up to and including, the last "\" or "/" ("" for PathPart without one).
Text FilePart(std::string_view path);
Text PathPart(std::string_view path);

}  // namespace tarmaxion
