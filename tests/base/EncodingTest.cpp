#include "base/Encoding.h"

#include <gtest/gtest.h>

namespace tarmaxion {
namespace {

TEST(EncodingTest, Windows1252RoundTripsThroughUtf8ForEveryByte) {
  Text all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Windows1252FromUtf8(Utf8FromWindows1252(all)), all);
}

TEST(EncodingTest, ConvertsTheCharactersOfTheListAndOfFileNames) {
  EXPECT_EQ(Utf8FromWindows1252("Trk-L\xE4nge: "), "Trk-L\xC3\xA4nge: ");
  EXPECT_EQ(Utf8FromWindows1252("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(Windows1252FromUtf8("Strecke-M\xC3\xBCller \xC3\xA9t\xC3\xA9.trk"),
            "Strecke-M\xFCller \xE9t\xE9.trk");
}

TEST(EncodingTest, UnmappableAndMalformedUtf8BecomeQuestionMarks) {
  EXPECT_EQ(Windows1252FromUtf8("\xE6\x97\xA5"), "?");      // a CJK character
  EXPECT_EQ(Windows1252FromUtf8("a\xFF" "b"), "a?b");      // not UTF-8 at all
  EXPECT_EQ(Windows1252FromUtf8("\xC3"), "?");             // cut short
}

TEST(EncodingTest, DropLastCharactersCountsCodePointsNotBytes) {
  EXPECT_EQ(DropLastCharacters("oval.trk", 4), "oval");
  EXPECT_EQ(DropLastCharacters("a\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 4), "a");
  EXPECT_EQ(DropLastCharacters("abc", 4), "");
  EXPECT_EQ(DropLastCharacters("", 4), "");
}

TEST(EncodingTest, OnlyWellFormedUtf8PassesAndBase64PadsItsLastGroup) {
  EXPECT_TRUE(IsUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"));
  // A stray continuation, a lead without its continuation, an overlong slash, a surrogate,
  // a code point past U+10FFFF and a Latin-1 byte.
  for (const char* bad : {"\x80", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"}) {
    EXPECT_FALSE(IsUtf8(bad)) << bad;
  }
  EXPECT_EQ(Base64(""), "");
  EXPECT_EQ(Base64("f"), "Zg==");
  EXPECT_EQ(Base64("fo"), "Zm8=");
  EXPECT_EQ(Base64("foo"), "Zm9v");
  EXPECT_EQ(Base64("\xFF\xFE\xFD\xFC"), "//79/A==");
}

}  // namespace
}  // namespace tarmaxion
