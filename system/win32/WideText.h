// Conversions at the edge of the wide-character Windows calls: UTF-8 paths and Windows-1252
// texts to UTF-16 and back, so file names survive whatever the system's ANSI code page is.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"

namespace tarmaxion::win32 {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
std::wstring WideFromWindows1252(TextView text);
// UTF-8 in the system's ANSI code page, as the "A" controls show text; a character the code page
// cannot spell becomes "?", never a look-alike.
std::string AnsiFromUtf8(std::string_view utf8);

// The process's arguments after the program name, in UTF-8 from the wide command line: argv
// holds them in the ANSI code page, which loses what it cannot spell.
std::vector<std::string> Utf8Arguments();

}  // namespace tarmaxion::win32
