#include "base/CodePage.h"

#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "base/LocaleCodePage.h"
#include "base/ShownText.h"

namespace tarmaxion {
namespace {

TEST(CodePageTest, KnownLettersOfEveryPage) {
  struct Case {
    CodePage page;
    const char* bytes;
    const char* utf8;
  };
  for (const Case& c : {
           Case{CodePage::k1251, "\xC2\xE0\xF1\xFF \xA8\xB8 \x80", "Вася Ёё Ђ"},
           Case{CodePage::k1250, "\xA3\xF3\xE4\xBF \x8A\xB9", "Łóäż Šą"},
           Case{CodePage::k1253, "\xC1\xE8\xDE\xED\xE1 \xA2", "Αθήνα Ά"},
           Case{CodePage::k1254, "\xD0\xF0\xDD\xFD\xDE\xFE", "ĞğİıŞş"},
           Case{CodePage::k1257, "\xD0\xF0\xC0\xE8\xFE", "ŠšĄčž"},
           Case{CodePage::k1252, "Trk-L\xE4nge \x80", "Trk-Länge €"},
       }) {
    EXPECT_EQ(Utf8FromCodePage(c.page, c.bytes), c.utf8) << CodePageNumber(c.page);
  }
}

TEST(CodePageTest, EveryByteOfEveryPageIsACharacterOfItsOwn) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (const CodePage page : kTrackCodePages) {
    const std::string utf8 = Utf8FromCodePage(page, all);
    ASSERT_TRUE(IsUtf8(utf8)) << CodePageNumber(page);
    // Each byte one code point, none lost, none shared: the table can be read backwards.
    std::vector<std::string> characters;
    for (int b = 1; b < 256; ++b) characters.push_back(Utf8FromCodePage(page, std::string(1, static_cast<char>(b))));
    std::sort(characters.begin(), characters.end());
    EXPECT_EQ(std::adjacent_find(characters.begin(), characters.end()), characters.end()) << CodePageNumber(page);
  }
  // Unassigned bytes keep their value: 0x98 of 1251, 0xAA of 1253.
  EXPECT_EQ(Utf8FromCodePage(CodePage::k1251, "\x98"), "\xC2\x98");
  EXPECT_EQ(Utf8FromCodePage(CodePage::k1253, "\xAA"), "\xC2\xAA");
}

TEST(CodePageTest, OnlyTheSixTrackPagesCanBeChosen) {
  EXPECT_EQ(*TrackCodePageNamed("1251"), CodePage::k1251);
  EXPECT_EQ(*TrackCodePageNamed("1257"), CodePage::k1257);
  for (const char* bad : {"1255", "65001", "", "12510", "1251x", "-1251", "cp1251"}) {
    const auto page = TrackCodePageNamed(bad);
    ASSERT_FALSE(page) << bad;
    EXPECT_EQ(page.Failure(), "code page " + std::string(bad) +
                                  " is not supported (supported: 1250, 1251, 1252, 1253, 1254, 1257)");
  }
}

TEST(CodePageTest, LocalesAndLanguageTagsGiveTheirWindowsPage) {
  struct Case {
    const char* locale;
    CodePage page;
  };
  for (const Case& c : {
           Case{"ru_RU.UTF-8", CodePage::k1251}, Case{"uk-UA", CodePage::k1251}, Case{"BG", CodePage::k1251},
           Case{"sr_RS", CodePage::k1251}, Case{"sr_RS@latin", CodePage::k1250}, Case{"sr-Latn-RS", CodePage::k1250},
           Case{"kk_KZ.UTF-8", CodePage::k1251}, Case{"pl-PL", CodePage::k1250}, Case{"cs_CZ.UTF-8", CodePage::k1250},
           Case{"bs-Cyrl", CodePage::k1251}, Case{"el", CodePage::k1253}, Case{"tr_TR.UTF-8", CodePage::k1254},
           Case{"az-Latn-AZ", CodePage::k1254}, Case{"az-Cyrl-AZ", CodePage::k1251}, Case{"lt_LT", CodePage::k1257},
           Case{"et", CodePage::k1257}, Case{"de_DE.UTF-8@euro", CodePage::k1252}, Case{"en-US", CodePage::k1252},
           Case{"C", CodePage::k1252}, Case{"POSIX", CodePage::k1252}, Case{"", CodePage::k1252},
           Case{"zh-Hant-TW", CodePage::k1252},
       }) {
    EXPECT_EQ(CodePageOfLocale(c.locale), c.page) << c.locale;
  }
}

TEST(CodePageTest, ShownTextReadsEachRunInItsOwnPage) {
  const ShownText line = "Autor: " + ShownText(TextView("\xC2\xE0\xF1\xFF"), CodePage::k1251) + " \xE4 " +
                         ShownText::FromUtf8("ё.trk");
  EXPECT_EQ(line.Utf8(), "Autor: Вася ä ё.trk");
  EXPECT_EQ(line.Length(), 19u);
  EXPECT_EQ(line.Left(9).Utf8(), "Autor: Ва");
  EXPECT_EQ(line.Windows1252(), "Autor: ???? \xE4 ?.trk");
  // A display with an 8-bit page of its own gets the track's bytes as stored.
  EXPECT_EQ(line.Spelled([](const std::string&) { return std::string("*"); }), "Autor: \xC2\xE0\xF1\xFF \xE4 *");
}

}  // namespace
}  // namespace tarmaxion
