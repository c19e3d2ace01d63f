// A text on its way to the user: runs that each say their code page (the window's own words in
// Windows-1252, track texts in the track's page, file names and system reasons in UTF-8), kept
// apart until a front end spells the whole in its display's encoding, so that no character is
// lost on the way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/CodePage.h"
#include "base/Text.h"

namespace tarmaxion {

struct TextRun {
  CodePage code_page = CodePage::k1252;
  std::string bytes;
  friend bool operator==(const TextRun&, const TextRun&) = default;
};

class ShownText {
 public:
  ShownText() = default;
  // The window's own texts.
  ShownText(const Text& windows1252) : ShownText(windows1252, CodePage::k1252) {}
  ShownText(const char* windows1252) : ShownText(Text(windows1252)) {}
  // A track text, in the code page the track was read in.
  ShownText(TextView bytes, CodePage page) { Append(page, {bytes.data(), bytes.size()}); }
  // A file name, a path or a system reason.
  static ShownText FromUtf8(std::string_view utf8);

  ShownText& operator+=(const ShownText& other);
  friend ShownText operator+(ShownText left, const ShownText& right) { return left += right; }

  // Characters: one an 8-bit byte, one a UTF-8 code point.
  std::size_t Length() const;
  // The first count characters.
  ShownText Left(std::size_t count) const;
  bool Empty() const { return runs_.empty(); }

  // Every character as UTF-8, each run read in its code page: what Unicode toolkits, the page
  // and terminals take.
  std::string Utf8() const;
  // Every character in Windows-1252; characters it cannot hold become "?".
  Text Windows1252() const;
  // 8-bit runs byte for byte, UTF-8 runs through spell_utf8: for a display whose own 8-bit code
  // page shows track texts as they are stored and spells names in its own way.
  template <typename SpellUtf8>
  std::string Spelled(SpellUtf8 spell_utf8) const {
    std::string spelled;
    for (const auto& run : runs_) spelled += run.code_page == CodePage::kUtf8 ? spell_utf8(run.bytes) : run.bytes;
    return spelled;
  }

  const std::vector<TextRun>& Runs() const { return runs_; }
  friend bool operator==(const ShownText&, const ShownText&) = default;

 private:
  void Append(CodePage page, std::string_view bytes);

  std::vector<TextRun> runs_;  // never two neighbours of one code page, never an empty run
};

}  // namespace tarmaxion
