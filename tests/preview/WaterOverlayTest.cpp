#include "preview/WaterOverlay.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/preview/PreviewCanvas.h"

namespace tarmaxion {
namespace {

using testing::kBackground;
using testing::kSlot;
using testing::Parse;
using testing::TrackBuilder;

class WaterOverlayTest : public testing::PreviewCanvas {
 protected:
  void Draw(const TrackBuilder& builder) {
    MakeBlankImage();
    const auto track = Parse(builder);
    DrawWater(ByteReader(track.bytes), track.info, graphics_, kSlot);
  }
  // Whether the 8 x 8 square from (x, y) is all water (rows outside the image ignored).
  bool WaterSquare(int x, int y) const {
    for (int row = std::max(y, 0); row < y + 8; ++row) {
      for (int column = x; column < x + 8; ++column) {
        if (Pixel(column, row) != kWaterColour) return false;
      }
    }
    return true;
  }
};

TEST_F(WaterOverlayTest, CellsLieInAGridFromRow503UpwardsInFileOrder) {
  TrackBuilder track;
  track.Heights(200).WaterLevel(100);
  for (const int k : {0, 63, 64, 4095}) track.Height(k, 0);
  Draw(track);
  EXPECT_TRUE(WaterSquare(0, 503));
  EXPECT_TRUE(WaterSquare(504, 503));
  EXPECT_TRUE(WaterSquare(0, 495));
  EXPECT_TRUE(WaterSquare(504, -1));
  EXPECT_EQ(Count(kWaterColour), 3 * 64 + 7 * 8);
  EXPECT_EQ(Pixel(0, 511), kBackground);
  EXPECT_EQ(Pixel(0, 502), kWaterColour);  // byte 64's square
  EXPECT_EQ(Pixel(8, 503), kBackground);
}

TEST_F(WaterOverlayTest, OnlyHeightsStrictlyBelowTheLevelAreWater) {
  TrackBuilder track;
  track.Heights(255).WaterLevel(200);
  track.Height(0, 200).Height(1, 199).Height(2, 0).Height(3, 201);
  Draw(track);
  EXPECT_FALSE(WaterSquare(0, 503));
  EXPECT_TRUE(WaterSquare(8, 503));
  EXPECT_TRUE(WaterSquare(16, 503));
  EXPECT_FALSE(WaterSquare(24, 503));
  EXPECT_EQ(Count(kWaterColour), 2 * 64);
}

// Neighbouring water cells are painted together; scattered heights make runs of every length
// that start and end anywhere, also at the ends of the heightmap's rows.
TEST_F(WaterOverlayTest, EveryCellIsWaterExactlyWhenBelowTheLevel) {
  std::mt19937 random(77);
  for (int round = 0; round < 4; ++round) {
    TrackBuilder track;
    track.WaterLevel(128);
    std::vector<bool> under(4096);
    long water_pixels = 0;
    for (int k = 0; k < 4096; ++k) {
      const auto height = static_cast<std::uint8_t>(random() % 256);
      track.Height(k, height);
      under[static_cast<std::size_t>(k)] = height < 128;
      if (height < 128) water_pixels += k / 64 == 63 ? 7 * 8 : 8 * 8;  // the top row is clipped
    }
    Draw(track);
    for (int k = 0; k < 4096; ++k) {
      ASSERT_EQ(WaterSquare(8 * (k % 64), 503 - 8 * (k / 64)), under[static_cast<std::size_t>(k)])
          << "round " << round << ", cell " << k;
    }
    EXPECT_EQ(Count(kWaterColour), water_pixels) << "round " << round;
  }
}

TEST_F(WaterOverlayTest, HeightsAndLevelCompareUnsigned) {
  Draw(TrackBuilder().Heights(200).WaterLevel(250));
  EXPECT_EQ(Count(kWaterColour), 511 * 512);
  Draw(TrackBuilder().Heights(200).WaterLevel(100));
  EXPECT_EQ(Count(kWaterColour), 0);
}

TEST_F(WaterOverlayTest, FullWaterCoversTheMapButItsBottomRowAndTheCaptionBand) {
  Draw(TrackBuilder().Heights(254).WaterLevel(255));
  EXPECT_EQ(Count(kWaterColour), 511 * 512);
  for (int x = 0; x < 512; ++x) ASSERT_EQ(Pixel(x, 511), kBackground) << x;
  EXPECT_EQ(Pixel(0, 512), kBackground);

  Draw(TrackBuilder().Heights(255).WaterLevel(255));
  EXPECT_EQ(Count(kWaterColour), 0);
  Draw(TrackBuilder().Heights(0).WaterLevel(0));
  EXPECT_EQ(Count(kWaterColour), 0);
}

TEST_F(WaterOverlayTest, ByteAfterTheHeightmapPlaysNoPart) {
  // The object count follows the heightmap; a zero there must not become a 4097th cell.
  Draw(TrackBuilder().Heights(255).WaterLevel(10));
  EXPECT_EQ(Count(kWaterColour), 0);
}

TEST_F(WaterOverlayTest, HeightmapCutShortPaintsOnlyTheCellsInTheData) {
  MakeBlankImage();
  auto track = Parse(TrackBuilder().Heights(0).WaterLevel(10));
  track.bytes.resize(static_cast<std::size_t>(track.info.layout.heightmap) + 65);
  DrawWater(ByteReader(track.bytes), track.info, graphics_, kSlot);
  EXPECT_EQ(Count(kWaterColour), 65 * 64);
}

}  // namespace
}  // namespace tarmaxion
