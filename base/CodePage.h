// The Windows code pages that track texts are stored in: their Unicode characters, and the
// numbers a user may choose one by.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace tarmaxion {

// A track keeps its texts in the ANSI code page of the Windows it was made on. Numbered as
// Windows numbers them; kUtf8 is no track's page but the one of names and system reasons, so
// that every text on its way to the user says how to read it.
enum class CodePage : std::uint16_t {
  k1250 = 1250,  // Central European
  k1251 = 1251,  // Cyrillic
  k1252 = 1252,  // Western European
  k1253 = 1253,  // Greek
  k1254 = 1254,  // Turkish
  k1257 = 1257,  // Baltic
  kUtf8 = 65001,
};

// The pages a track may be read in, in the order choices list them.
inline constexpr std::array<CodePage, 6> kTrackCodePages = {CodePage::k1250, CodePage::k1251, CodePage::k1252,
                                                            CodePage::k1253, CodePage::k1254, CodePage::k1257};

inline int CodePageNumber(CodePage page) { return static_cast<int>(page); }

// Every byte becomes its character in page; bytes the page leaves unassigned become the C1
// control or Latin-1 character of the same value, so that no byte is lost and the conversion
// can be reversed. Bytes in kUtf8 are returned as they are.
std::string Utf8FromCodePage(CodePage page, std::string_view bytes);

// The track code page of that number, or nullopt.
std::optional<CodePage> TrackCodePage(long number);

// A track code page given as decimal digits ("1251"), or why it cannot be one, with the
// numbers that can.
Result<CodePage, std::string> TrackCodePageNamed(std::string_view number);

// "code page 1255 is not supported (supported: 1250, 1251, 1252, 1253, 1254, 1257)".
std::string UnsupportedCodePageMessage(std::string_view given);

}  // namespace tarmaxion
