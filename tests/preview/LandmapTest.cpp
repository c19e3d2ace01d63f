#include "preview/Landmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "preview/MapImage.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::TrackBuilder;

constexpr Colour Code(int code) { return kLandmapColours[static_cast<std::size_t>(code)]; }
// What the image held before: an earlier map, which no pixel of the map area may keep.
constexpr Colour kStale = Rgb(1, 2, 3);

class LandmapTest : public ::testing::Test {
 protected:
  void Decode(const std::vector<std::uint8_t>& track) { DrawLandmap(ByteReader(track), map_, kLandmapColours); }
  void Decode(const TrackBuilder& builder) { Decode(builder.Build()); }

  Colour At(int x, int y) const { return map_.At(x, y); }
  // Map pixel number n, counted from the bottom-left pixel row by row.
  Colour Nth(int n) const { return map_.At(n % kMapWidth, kMapAreaRows - 1 - n / kMapWidth); }
  long CountOf(Colour colour) const { return std::ranges::count(map_.Pixels(), colour); }

  Image map_{kMapWidth, kMapHeight, kStale};
};

TEST_F(LandmapTest, RunWordGivesTerrainCodeInItsLowBitsAndLengthInTheRest) {
  Decode(TrackBuilder().Landmap({0x3412, 0x0000}));  // bytes 12 34: code 2, 833 pixels
  EXPECT_EQ(CountOf(Code(2)), 833);
  EXPECT_EQ(CountOf(kBackgroundColour), 512 * 512 - 833);  // the rest of the map area
  EXPECT_EQ(Nth(832), Code(2));
  EXPECT_EQ(Nth(833), kBackgroundColour);
  // Row 511 holds the first 512, row 510 the next 321.
  EXPECT_EQ(At(511, 511), Code(2));
  EXPECT_EQ(At(320, 510), Code(2));
  EXPECT_EQ(At(321, 510), kBackgroundColour);
}

TEST_F(LandmapTest, WordOfAllOnesIsABlackRunOf4095) {
  Decode(TrackBuilder().Landmap({0xFFFF}));
  EXPECT_EQ(CountOf(Rgb(0, 0, 0)), 4095);
  EXPECT_EQ(Nth(4094), Rgb(0, 0, 0));
}

TEST_F(LandmapTest, DecodesOneWordMoreThanTheWordCount) {
  Decode(TrackBuilder().Landmap({0x0102, 0x0103}).LandmapWordCount(0));
  EXPECT_EQ(CountOf(Code(2)), 0x10);
  EXPECT_EQ(CountOf(Code(3)), 0);

  Decode(TrackBuilder().Landmap({0x0102, 0x0103}));
  EXPECT_EQ(CountOf(Code(3)), 0x10);
}

TEST_F(LandmapTest, SixtyFiveRunsFillTheMapAreaExactly) {
  std::vector<std::uint16_t> words;
  for (int i = 0; i < 64; ++i) {
    words.push_back(static_cast<std::uint16_t>(4095 << 4 | (i % 2 == 0 ? 2 : 3)));
  }
  words.push_back(64 << 4 | 10);
  Decode(TrackBuilder().Landmap(words));

  // The first run: rows 511 to 505 whole, then the first 511 pixels of row 504.
  EXPECT_EQ(At(0, 511), Code(2));
  EXPECT_EQ(At(511, 505), Code(2));
  EXPECT_EQ(At(510, 504), Code(2));
  EXPECT_EQ(At(511, 504), Code(3));
  EXPECT_EQ(At(511, 0), Code(10));  // pixel number 262,144 belongs to the last run
  EXPECT_EQ(At(448, 0), Code(10));
  EXPECT_EQ(At(447, 0), Code(3));
  EXPECT_EQ(CountOf(kStale), 512 * 48);  // only the caption band is left
  EXPECT_EQ(CountOf(kBackgroundColour), 0);
}

TEST_F(LandmapTest, RunsBeyondTheMapAreaAreDropped) {
  std::vector<std::uint16_t> words(70, static_cast<std::uint16_t>(4095 << 4 | 9));
  words.push_back(0x0FF5);
  Decode(TrackBuilder().Landmap(words));
  EXPECT_EQ(CountOf(Code(9)), 512 * 512);
  EXPECT_EQ(CountOf(kStale), 512 * 48);  // the caption band is not the landmap's
  EXPECT_EQ(CountOf(Code(5)), 0);
}

TEST_F(LandmapTest, NegativeWordCountLeavesTheMapInTheBackground) {
  Decode(TrackBuilder().Landmap({0x0FF2}).LandmapWordCount(-1));
  EXPECT_EQ(CountOf(kBackgroundColour), 512 * 512);
}

TEST_F(LandmapTest, CodesThirteenToFifteenAreBlack) {
  Decode(TrackBuilder().Landmap({0x001D, 0x001E, 0x001F, 0x001C}));
  EXPECT_EQ(Nth(0), Rgb(0, 0, 0));
  EXPECT_EQ(Nth(2), Rgb(0, 0, 0));
  EXPECT_EQ(Nth(3), Rgb(62, 62, 62));
}

TEST_F(LandmapTest, WordCountReachingPastTheDataReadsOnlyTheData) {
  std::vector<std::uint8_t> track(24, 0);
  track[16] = 0xFF;  // W = 0x7FFFFFFF
  track[17] = 0xFF;
  track[18] = 0xFF;
  track[19] = 0x7F;
  track[20] = 0x12;
  track[21] = 0x34;
  track[22] = 0x22;
  track[23] = 0x00;
  Decode(track);
  EXPECT_EQ(CountOf(Code(2)), 833 + 2);
}

TEST_F(LandmapTest, AnImageOfAnotherShapeIsLeftAsItIs) {
  Image narrow(511, 560, kStale);
  DrawLandmap(ByteReader(TrackBuilder().Landmap({0xFFF2}).Build()), narrow, kLandmapColours);
  EXPECT_EQ(std::ranges::count(narrow.Pixels(), kStale), 511 * 560);
}

}  // namespace
}  // namespace tarmaxion
