#include "base/LocaleCodePage.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "base/Encoding.h"

namespace tarmaxion {
namespace {

struct LanguagePage {
  std::string_view language;  // ISO 639 code, small letters
  CodePage page;              // in the language's usual script
};

// Every language whose Windows ANSI code page is not 1252.
constexpr std::array<LanguagePage, 31> kLanguagePages = {{
    {"az", CodePage::k1254}, {"ba", CodePage::k1251}, {"be", CodePage::k1251},  {"bg", CodePage::k1251},
    {"bs", CodePage::k1250}, {"cs", CodePage::k1250}, {"el", CodePage::k1253},  {"et", CodePage::k1257},
    {"hr", CodePage::k1250}, {"hu", CodePage::k1250}, {"kk", CodePage::k1251},  {"ky", CodePage::k1251},
    {"lt", CodePage::k1257}, {"lv", CodePage::k1257}, {"mk", CodePage::k1251},  {"mn", CodePage::k1251},
    {"pl", CodePage::k1250}, {"ro", CodePage::k1250}, {"ru", CodePage::k1251},  {"sah", CodePage::k1251},
    {"sh", CodePage::k1250}, {"sk", CodePage::k1250}, {"sl", CodePage::k1250},  {"sq", CodePage::k1250},
    {"sr", CodePage::k1251}, {"tg", CodePage::k1251}, {"tk", CodePage::k1250},  {"tr", CodePage::k1254},
    {"tt", CodePage::k1251}, {"uk", CodePage::k1251}, {"uz", CodePage::k1254},
}};

enum class Script { kUsual, kLatin, kCyrillic };

// A script named by a tag's four-letter subtag ("sr-Latn-RS") or a locale's modifier
// ("sr_RS@latin").
Script ScriptNamed(std::string_view name) {
  const std::string lowered = CaseFolded(name);
  if (lowered == "latn" || lowered == "latin") return Script::kLatin;
  if (lowered == "cyrl" || lowered == "cyrillic") return Script::kCyrillic;
  return Script::kUsual;
}

}  // namespace

CodePage CodePageOfLocale(std::string_view locale) {
  const auto at = std::min(locale.find('@'), locale.size());
  Script script = at < locale.size() ? ScriptNamed(locale.substr(at + 1)) : Script::kUsual;
  std::string_view name = locale.substr(0, at);
  name = name.substr(0, name.find('.'));  // without the character set

  const auto end = std::min(name.find_first_of("-_"), name.size());
  const std::string language = CaseFolded(name.substr(0, end));
  for (std::string_view rest = name.substr(end); !rest.empty();) {
    rest.remove_prefix(1);
    const std::string_view subtag = rest.substr(0, rest.find_first_of("-_"));
    if (subtag.size() == 4 && script == Script::kUsual) script = ScriptNamed(subtag);
    rest.remove_prefix(subtag.size());
  }

  const auto known = std::find_if(kLanguagePages.begin(), kLanguagePages.end(),
                                  [&](const LanguagePage& entry) { return entry.language == language; });
  const CodePage usual = known != kLanguagePages.end() ? known->page : CodePage::k1252;
  if (script == Script::kCyrillic) return CodePage::k1251;
  // Serbian and other Cyrillic languages written in Latin letters take the Central European page.
  if (script == Script::kLatin && usual == CodePage::k1251) return CodePage::k1250;
  return usual;
}

CodePage CodePageOfEnvironment() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return CodePageOfLocale(value);
  }
  return CodePage::k1252;
}

}  // namespace tarmaxion
