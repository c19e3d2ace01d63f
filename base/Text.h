// Text services: byte strings in the Windows-1252 code page, counted in bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarmaxion {

// One byte per character, Windows-1252, exactly as track files and the controls hold them. A
// type of its own, so that it never mixes with a UTF-8 std::string (a path, a system reason)
// without a conversion that says which way it goes.
struct Windows1252Traits : std::char_traits<char> {};
using Text = std::basic_string<char, Windows1252Traits>;
using TextView = std::basic_string_view<char, Windows1252Traits>;

// Decimal digits of a signed value, "-" in front when negative, no padding.
Text DecimalText(std::int64_t value);

// The bytes up to the first zero byte or max_length bytes, whichever comes first; never reads
// past the end of bytes.
Text ReadText(std::span<const std::uint8_t> bytes, std::size_t max_length);

// Without leading and trailing space characters (0x20 only; tabs and other bytes stay).
Text TrimBlanks(TextView text);

// Exactly width characters: fill characters, then the first min(length, width) characters.
Text PadLeft(TextView text, int width, char fill);

// First or last n characters; n below 0 gives "", n beyond the length the whole text.
Text LeftPart(TextView text, std::int64_t n);
Text RightPart(TextView text, std::int64_t n);

}  // namespace tarmaxion
