#include "glyphs/table/TableGlyphs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace tarmaxion {
namespace {

constexpr int kFont = 1;

// The generator's output is read without checks, so every index it wrote must land inside it.
TEST(GlyphTableTest, EveryRunExtentAndRowIndexLiesInsideTheTable) {
  const GlyphTable& table = kCaptionGlyphTable;
  std::size_t rows = 0;
  for (const GlyphExtent& extent : table.extents) {
    EXPECT_LE(extent.top + extent.rows, table.height);
    rows += extent.rows;
  }
  EXPECT_EQ(rows, table.rows.size());
  EXPECT_TRUE(std::all_of(table.rows.begin(), table.rows.end(), [&](auto i) { return i < table.patterns.size(); }));
  char32_t next = 0;
  for (const GlyphRun& run : table.runs) {
    EXPECT_GE(run.first, next) << "runs out of order";
    next = run.first + run.count;
    EXPECT_LE(run.first_cell + run.count, table.extents.size());
  }
  EXPECT_LT(table.box_cell, table.extents.size());
}

class TableGlyphsTest : public ::testing::Test {
 protected:
  TableGlyphsTest() { glyphs_.LoadFont(kFont, "Lucida Console", 12); }

  GlyphMask Render(const ShownText& text) const { return glyphs_.RenderText(kFont, text); }

  // Every cell of a mask, left to right, row by row: "#" where it inks, "." where not.
  static std::vector<std::string> Cells(const GlyphMask& mask) {
    const int width = kCaptionGlyphTable.width;
    std::vector<std::string> cells(static_cast<std::size_t>(mask.width / width));
    for (std::size_t i = 0; i < cells.size(); ++i) {
      for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < width; ++x) cells[i] += mask.InkAt(static_cast<int>(i) * width + x, y) ? '#' : '.';
      }
    }
    return cells;
  }

  // A hollow rectangle: every inked pixel lies on the edge of the box around the ink, and every
  // pixel of that edge is inked.
  static bool IsHollowBox(const std::string& cell) {
    const int width = kCaptionGlyphTable.width;
    int left = width, right = -1, top = kCaptionGlyphTable.height, bottom = -1;
    for (std::size_t i = 0; i < cell.size(); ++i) {
      if (cell[i] == '.') continue;
      const int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
    if (right - left < 2 || bottom - top < 2) return false;
    for (std::size_t i = 0; i < cell.size(); ++i) {
      const int x = static_cast<int>(i) % width, y = static_cast<int>(i) / width;
      const bool inside = x >= left && x <= right && y >= top && y <= bottom;
      const bool edge = inside && (x == left || x == right || y == top || y == bottom);
      if ((cell[i] == '#') != edge) return false;
    }
    return true;
  }

  TableGlyphs glyphs_;
};

TEST_F(TableGlyphsTest, GreekAndCyrillicLettersDrawCellsOfTheirOwn) {
  const auto cells = Cells(Render(ShownText::FromUtf8("Трасса Πίστα")));  // Trassa Pista
  ASSERT_EQ(cells.size(), 12u);
  const auto question_mark = Cells(Render("?"))[0];
  std::set<std::string> letters;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i == 6) continue;  // the space
    EXPECT_NE(cells[i].find('#'), std::string::npos) << i;
    EXPECT_NE(cells[i], question_mark) << i;
    EXPECT_FALSE(IsHollowBox(cells[i])) << i;
    letters.insert(cells[i]);
  }
  // Т р а с Π ί σ τ α, the Cyrillic а and the Greek α apart.
  EXPECT_EQ(letters.size(), 9u);
}

// A track's texts come in Windows-1252 bytes, names in UTF-8: the same characters draw alike.
TEST_F(TableGlyphsTest, TrackTextsAndNamesDrawTheSameCharactersAlike) {
  const GlyphMask bytes = Render(Text("M\xFCller \x80\x8C\x9F"));
  const GlyphMask utf8 = Render(ShownText::FromUtf8("M\xC3\xBCller \xE2\x82\xAC\xC5\x92\xC5\xB8"));  // Müller €ŒŸ
  EXPECT_EQ(bytes.width, 10 * kCaptionGlyphTable.width);
  EXPECT_EQ(bytes.ink, utf8.ink);
}

TEST_F(TableGlyphsTest, CharactersWithoutACellDrawABoxAndControlsDrawNothing) {
  // Two ideographs, a lone continuation byte and a code point past Unicode.
  const auto unknown = Cells(Render(ShownText::FromUtf8("\xE6\x9D\xB1\xE4\xBA\xAC\x80\xF7\xBF\xBF\xBF")));
  ASSERT_EQ(unknown.size(), 4u);
  for (const auto& cell : unknown) EXPECT_TRUE(IsHollowBox(cell));
  // Control characters and the bytes Windows-1252 leaves unassigned take their cell, blank.
  const GlyphMask controls = Render(Text("\x01\x1F\x81\x9D"));
  EXPECT_EQ(controls.width, 4 * kCaptionGlyphTable.width);
  EXPECT_EQ(std::count(controls.ink.begin(), controls.ink.end(), 1), 0);
}

}  // namespace
}  // namespace tarmaxion
