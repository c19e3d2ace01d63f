#include "glyphs/table/TableGlyphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarmaxion {
namespace {

// Every cell of a text drawn from the table, left to right, row by row: "#" inks, "." does not.
std::vector<std::string> Cells(const ShownText& text) {
  TableGlyphs glyphs;
  glyphs.LoadFont(1, "Lucida Console", 12);
  const GlyphMask mask = glyphs.RenderText(1, text);
  const int width = kCaptionGlyphTable.width;
  std::vector<std::string> cells(static_cast<std::size_t>(mask.width / width));
  for (std::size_t i = 0; i < cells.size(); ++i) {
    for (int y = 0; y < mask.height; ++y) {
      for (int x = 0; x < width; ++x) cells[i] += mask.InkAt(static_cast<int>(i) * width + x, y) ? '#' : '.';
    }
  }
  return cells;
}

// A hollow rectangle: inked on the edge of the box from its first inked pixel to its last, and
// nowhere else.
bool IsHollowBox(const std::string& cell) {
  const std::size_t width = static_cast<std::size_t>(kCaptionGlyphTable.width), first = cell.find('#'), last = cell.rfind('#');
  if (first == std::string::npos || last / width < first / width + 2 || last % width < first % width + 2) return false;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    const std::size_t x = i % width, y = i / width, left = first % width, right = last % width;
    const bool inside = x >= left && x <= right && y >= first / width && y <= last / width;
    if ((cell[i] == '#') != (inside && (x == left || x == right || y == first / width || y == last / width))) return false;
  }
  return true;
}

// The font draws the Latin, Greek and Cyrillic capital A alike, and the three small o: a letter
// that found a neighbour's cell, or none, would stand out.
TEST(TableGlyphsTest, LettersOfOneShapeInThreeScriptsDrawAlike) {
  const auto cells = Cells(ShownText::FromUtf8("A\xCE\x91\xD0\x90 o\xCE\xBF\xD0\xBE"));  // AΑА oοо
  ASSERT_EQ(cells.size(), 7u);
  EXPECT_TRUE(cells[0] == cells[1] && cells[1] == cells[2]);
  EXPECT_TRUE(cells[4] == cells[5] && cells[5] == cells[6]);
  EXPECT_NE(cells[0], cells[4]);
  EXPECT_FALSE(IsHollowBox(cells[2]) || IsHollowBox(cells[6]));
}

// A track's texts come in Windows-1252 bytes, names in UTF-8: the same characters draw alike.
TEST(TableGlyphsTest, TrackTextsAndNamesDrawTheSameCharactersAlike) {
  EXPECT_EQ(Cells(Text("M\xFCller \x80\x8C\x9F")), Cells(ShownText::FromUtf8("M\xC3\xBCller \xE2\x82\xAC\xC5\x92\xC5\xB8")));
}

TEST(TableGlyphsTest, CharactersWithoutACellDrawABoxAndControlsNothing) {
  // Two ideographs, a stray continuation byte and a code point past Unicode.
  const auto unknown = Cells(ShownText::FromUtf8("\xE6\x9D\xB1\xE4\xBA\xAC\x80\xF7\xBF\xBF\xBF"));
  ASSERT_EQ(unknown.size(), 4u);
  for (const auto& cell : unknown) EXPECT_TRUE(IsHollowBox(cell));
  // Control characters, and the bytes Windows-1252 leaves unassigned, take a blank cell.
  const std::string blank(static_cast<std::size_t>(kCaptionGlyphTable.width * kCaptionGlyphTable.height), '.');
  EXPECT_EQ(Cells(Text("\x01\x1F\x81\x9D")), std::vector<std::string>(4, blank));
}

}  // namespace
}  // namespace tarmaxion
