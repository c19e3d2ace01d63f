// Which code page a user's tracks are most likely in: the ANSI code page Windows gives the
// user's language, so that a track made on a Russian Windows reads right for a Russian user.
#pragma once

#include <string_view>

#include "base/CodePage.h"

namespace tarmaxion {

// A POSIX locale name or a language tag: "ru_RU.UTF-8", "sr_RS@latin", "pl-PL", "sr-Latn-RS",
// "el". Cyrillic-script languages give 1251, Central European ones 1250, Greek 1253, Turkish and
// Azerbaijani 1254, the Baltic ones 1257; anything else, "C" and "" included, 1252.
CodePage CodePageOfLocale(std::string_view locale);

// The page of this process's POSIX locale: LC_ALL, then LC_CTYPE, then LANG, the first that
// is set and not empty.
CodePage CodePageOfEnvironment();

}  // namespace tarmaxion
