#include "preview/Landmap.h"

#include <gtest/gtest.h>

#include <vector>

#include "preview/MapBitmap.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::TrackBuilder;

std::uint32_t Field(const std::vector<std::uint8_t>& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

class LandmapTest : public ::testing::Test {
 protected:
  MapBitmap Bitmap() { return MapBitmap(bitmap_.data(), kMapBitmapSize); }

  void Decode(const std::vector<std::uint8_t>& track) {
    ResetMapBitmap(Bitmap());
    DecodeLandmap(ByteReader(track), Bitmap(), kLandmapColours);
  }
  void Decode(const TrackBuilder& builder) { Decode(builder.Build()); }

  std::uint8_t At(int x, int y) const { return bitmap_[PixelOffset(x, y)]; }
  // Palette index of map pixel number n, counted from the bottom-left pixel row by row.
  std::uint8_t Nth(std::size_t n) const { return bitmap_[kMapAreaStart + n]; }
  long CountOf(std::uint8_t index) const {
    return std::count(bitmap_.begin() + kBitmapPixels, bitmap_.end(), index);
  }

  std::vector<std::uint8_t> bitmap_ = std::vector<std::uint8_t>(kMapBitmapSize, 0xEE);
};

TEST_F(LandmapTest, TemplateDescribesAnEightBitBottomUpBitmapWithTheMapColours) {
  Decode(TrackBuilder().Landmap({}));
  EXPECT_EQ(bitmap_[0], 'B');
  EXPECT_EQ(bitmap_[1], 'M');
  const std::vector<std::pair<std::size_t, std::uint32_t>> fields = {
      {2, 1334}, {10, 1078}, {14, 40}, {18, 512}, {22, 560}, {34, 256}, {46, 256}, {50, 256}};
  for (const auto& [at, value] : fields) EXPECT_EQ(Field(bitmap_, at, 4), value) << at;
  EXPECT_EQ(Field(bitmap_, 26, 2), 1u);
  EXPECT_EQ(Field(bitmap_, 28, 2), 8u);
  EXPECT_EQ(Field(bitmap_, 30, 4), 0u);
  // Palette entries are blue, green, red, 0.
  EXPECT_EQ(Field(bitmap_, 54 + 4 * 240, 4), 0x00006496u);
  EXPECT_EQ(Field(bitmap_, 54 + 4 * 42, 4), 0x0091CA5Bu);
  EXPECT_EQ(Field(bitmap_, 54 + 4 * 245, 4), 0x00FFFF00u);
  EXPECT_EQ(Field(bitmap_, 54 + 4 * 9, 4), 0x003E3E3Eu);
  EXPECT_EQ(CountOf(kBackgroundIndex), 512 * 560);
}

TEST_F(LandmapTest, RunWordGivesTerrainCodeInItsLowBitsAndLengthInTheRest) {
  Decode(TrackBuilder().Landmap({0x3412, 0x0000}));  // bytes 12 34: code 2, 833 pixels
  EXPECT_EQ(CountOf(42), 833);
  EXPECT_EQ(Nth(832), 42);
  EXPECT_EQ(Nth(833), kBackgroundIndex);
  // Row 511 holds the first 512, row 510 the next 321.
  EXPECT_EQ(At(511, 511), 42);
  EXPECT_EQ(At(320, 510), 42);
  EXPECT_EQ(At(321, 510), kBackgroundIndex);
}

TEST_F(LandmapTest, WordOfAllOnesIsABlackRunOf4095) {
  Decode(TrackBuilder().Landmap({0xFFFF}));
  EXPECT_EQ(CountOf(0), 4095);
  EXPECT_EQ(Nth(4094), 0);
}

TEST_F(LandmapTest, DecodesOneWordMoreThanTheWordCount) {
  Decode(TrackBuilder().Landmap({0x0102, 0x0103}).LandmapWordCount(0));
  EXPECT_EQ(CountOf(42), 0x10);
  EXPECT_EQ(CountOf(154), 0);

  Decode(TrackBuilder().Landmap({0x0102, 0x0103}));
  EXPECT_EQ(CountOf(154), 0x10);
}

TEST_F(LandmapTest, SixtyFiveRunsFillTheMapAreaExactly) {
  std::vector<std::uint16_t> words;
  for (int i = 0; i < 64; ++i) {
    words.push_back(static_cast<std::uint16_t>(4095 << 4 | (i % 2 == 0 ? 2 : 3)));
  }
  words.push_back(64 << 4 | 10);
  Decode(TrackBuilder().Landmap(words));

  // The first run: rows 511 to 505 whole, then the first 511 pixels of row 504.
  EXPECT_EQ(At(0, 511), 42);
  EXPECT_EQ(At(511, 505), 42);
  EXPECT_EQ(At(510, 504), 42);
  EXPECT_EQ(At(511, 504), 154);
  EXPECT_EQ(At(511, 0), 245);  // pixel number 262,144 belongs to the last run
  EXPECT_EQ(At(448, 0), 245);
  EXPECT_EQ(At(447, 0), 154);
  EXPECT_EQ(CountOf(kBackgroundIndex), 512 * 48);  // only the caption band is left
}

TEST_F(LandmapTest, RunsBeyondTheMapAreaAreDropped) {
  std::vector<std::uint16_t> words(70, static_cast<std::uint16_t>(4095 << 4 | 9));
  words.push_back(0x0FF5);
  Decode(TrackBuilder().Landmap(words));
  EXPECT_EQ(CountOf(242), 512 * 512);
  EXPECT_EQ(CountOf(kBackgroundIndex), 512 * 48);  // the caption band stays clear
  EXPECT_EQ(CountOf(83), 0);
}

TEST_F(LandmapTest, NegativeWordCountLeavesTheMapInTheBackground) {
  Decode(TrackBuilder().Landmap({0x0FF2}).LandmapWordCount(-1));
  EXPECT_EQ(CountOf(kBackgroundIndex), 512 * 560);
}

TEST_F(LandmapTest, CodesThirteenToFifteenAreBlack) {
  Decode(TrackBuilder().Landmap({0x001D, 0x001E, 0x001F, 0x001C}));
  EXPECT_EQ(Nth(0), 0);
  EXPECT_EQ(Nth(2), 0);
  EXPECT_EQ(Nth(3), 9);
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
  EXPECT_EQ(CountOf(42), 833 + 2);
}

TEST_F(LandmapTest, ResetClearsTheTerrainOfAnEarlierTrack) {
  Decode(TrackBuilder().Landmap({0xFFF2}));
  Decode(TrackBuilder().Landmap({0x0013}));
  EXPECT_EQ(CountOf(42), 0);
  EXPECT_EQ(CountOf(154), 1);
}

}  // namespace
}  // namespace tarmaxion
