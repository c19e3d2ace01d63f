#include "base/PathParts.h"
#include "base/Text.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarmaxion {
namespace {

TEST(TextTest, DecimalTextHasSignAndNoPadding) {
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(-253), "-253");
  EXPECT_EQ(DecimalText(2000000), "2000000");
  EXPECT_EQ(DecimalText(-2147483648LL), "-2147483648");
}

TEST(TextTest, ReadTextStopsAtNulOrLengthOrEndOfData) {
  const std::vector<std::uint8_t> bytes = {'A', 'c', 'e', 0, 'x'};
  EXPECT_EQ(ReadText(bytes, 12), "Ace");
  EXPECT_EQ(ReadText(bytes, 2), "Ac");
  const std::vector<std::uint8_t> no_nul = {'a', 'b'};
  EXPECT_EQ(ReadText(no_nul, 12), "ab");
  EXPECT_EQ(ReadText({}, 5), "");
}

TEST(TextTest, TrimBlanksRemovesSpacesOnly) {
  EXPECT_EQ(TrimBlanks("  Ace "), "Ace");
  EXPECT_EQ(TrimBlanks("    "), "");
  EXPECT_EQ(TrimBlanks("\tAce\t"), "\tAce\t");
}

TEST(TextTest, PadLeftRightAlignsAndKeepsFirstCharactersOfLongText) {
  EXPECT_EQ(PadLeft("5", 2, '0'), "05");
  EXPECT_EQ(PadLeft("59", 2, '0'), "59");
  EXPECT_EQ(PadLeft("123", 2, '0'), "12");
  EXPECT_EQ(PadLeft("-5", 2, '0'), "-5");
}

TEST(TextTest, LeftAndRightPartClampTheirCount) {
  EXPECT_EQ(LeftPart("monza", 2), "mo");
  EXPECT_EQ(LeftPart("monza", -1), "");
  EXPECT_EQ(LeftPart("monza", 99), "monza");
  EXPECT_EQ(RightPart("4567", 2), "67");
  EXPECT_EQ(RightPart("4567", -3), "");
  EXPECT_EQ(RightPart("4567", 10), "4567");
}

TEST(TextTest, FileAndPathPartSplitAtTheLastSlashOfEitherKind) {
  EXPECT_EQ(FilePart("C:\\tracks\\oval.trk"), "oval.trk");
  EXPECT_EQ(PathPart("C:\\tracks\\oval.trk"), "C:\\tracks\\");
  EXPECT_EQ(FilePart("/home/a/b.trk"), "b.trk");
  EXPECT_EQ(PathPart("/home/a\\b/c.trk"), "/home/a\\b/");
  EXPECT_EQ(FilePart("oval.trk"), "oval.trk");
  EXPECT_EQ(PathPart("oval.trk"), "");
}

}  // namespace
}  // namespace tarmaxion
