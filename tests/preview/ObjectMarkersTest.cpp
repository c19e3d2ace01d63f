#include "preview/ObjectMarkers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "preview/MarkerRectangle.h"
#include "track/Conversion.h"
#include "track/TypeRemap.h"
#include "tests/preview/PreviewCanvas.h"

namespace tarmaxion {
namespace {

using testing::kBackground;
using testing::kSlot;
using testing::Parse;
using testing::TrackBuilder;

constexpr Colour kGrey = Rgb(170, 170, 170);
constexpr Colour kPoint = kObjectColours[7];
constexpr Colour kBox = kObjectColours[0];
constexpr Colour kFill = kObjectColours[1];
constexpr Colour kRed = kObjectColours[11];
constexpr Colour kWhite = kObjectColours[9];

class ObjectMarkersTest : public testing::PreviewCanvas {
 protected:
  void Draw(const TrackBuilder& builder) {
    builder_ = builder;
    MakeBlankImage();
    track_ = Parse(builder);
    DrawObjects(track_.bytes, track_.info, kObjectColours, graphics_, kSlot);
    // As a load in the window does: the conversion's remap follows the markers.
    RemapObjectTypes(track_.bytes, track_.info.layout);
  }
  std::uint8_t TypeByte(std::size_t k) const { return track_.bytes[builder_.ObjectTypeOffset(k)]; }

  TrackBuilder builder_;
  testing::ParsedTrack track_;
};

TEST_F(ObjectMarkersTest, PointMarkersKeepOffTheMapEdge) {
  struct Case {
    std::int16_t x, y;
    bool drawn;
  };
  const std::vector<Case> cases = {
      {2, 512, true},     {1, 512, false},    {1021, 512, true}, {1022, 512, false},
      {512, 2, true},     {512, 1, false},    {512, 0, false},   {512, 1020, true},
      {512, 1022, false}, {-2, 512, false},   {-1, 512, false},  {512, -2, false},
      {-32768, 512, false}, {512, -32768, false},
  };
  for (const std::int8_t type : {10, 9, 33}) {
    const Colour centre = type == 33 ? kRed : kPoint;
    for (const auto& c : cases) {
      Draw(TrackBuilder().Object(type, c.x, c.y));
      const auto where = ::testing::Message() << int{type} << " at " << c.x << ", " << c.y;
      if (c.drawn) {
        EXPECT_EQ(Pixel(c.x / 2, 511 - c.y / 2), centre) << where;
      }
      EXPECT_EQ(Count(kBackground) == 512 * 560, !c.drawn) << where;
    }
  }
}

TEST_F(ObjectMarkersTest, BlocksAndBoxesAroundTheMapPosition) {
  Draw(TrackBuilder().Object(10, 512, 512).Object(33, 100, 100).Object(9, 800, 800));
  EXPECT_EQ(Count(kPoint), 9 + 1);
  EXPECT_EQ(Pixel(255, 254), kPoint);
  EXPECT_EQ(Pixel(257, 256), kPoint);
  EXPECT_EQ(Count(kRed), 9);
  EXPECT_EQ(Pixel(49, 460), kRed);
  EXPECT_EQ(Pixel(51, 462), kRed);
  EXPECT_EQ(Count(kBox), 24);
  EXPECT_EQ(Pixel(398, 109), kBox);
  EXPECT_EQ(Pixel(402, 113), kBox);
  EXPECT_EQ(Pixel(400, 111), kPoint);
}

TEST_F(ObjectMarkersTest, BoxAtTheBottomRowReachesTheCaptionBandAndClipsAtTheLeftEdge) {
  Draw(TrackBuilder().Object(9, 2, 2));  // map position (1, 510)
  EXPECT_EQ(Pixel(0, 512), kBox);
  EXPECT_EQ(Pixel(3, 508), kBox);
  EXPECT_EQ(Pixel(1, 510), kPoint);
  EXPECT_EQ(Count(kBox), 4 * 5 - 1);
}

TEST_F(ObjectMarkersTest, FilledRectangleIsOutlinedInGreyAndFilledFromItsCentre) {
  Draw(TrackBuilder().Object(17, 512, 512));
  for (const auto& [x, y] : {std::pair{334, 223}, {335, 285}, {176, 224}, {177, 286}}) {
    EXPECT_EQ(Pixel(x, y), kGrey) << x << ", " << y;
  }
  EXPECT_EQ(Pixel(256, 255), kFill);
  EXPECT_EQ(Pixel(178, 280), kFill);
  EXPECT_EQ(Pixel(256, 222), kBackground);
  EXPECT_EQ(Pixel(336, 255), kBackground);
  // 2A x 2B, give or take the tilted edges.
  EXPECT_NEAR(static_cast<double>(Count(kFill) + Count(kGrey)), 62.0 * 158.0, 400.0);
}

TEST_F(ObjectMarkersTest, OutlinedRectanglesTakeTheColourOfTheirType) {
  const std::vector<std::pair<std::int8_t, Colour>> cases = {
      {1, kWhite}, {2, kRed}, {3, kObjectColours[10]}, {23, kObjectColours[4]}};
  for (const auto& [type, colour] : cases) {
    Draw(TrackBuilder().Object(type, 512, 512, 61));
    for (const auto& [x, y] : {std::pair{258, 269}, {254, 270}, {257, 239}, {253, 240}}) {
      EXPECT_EQ(Pixel(x, y), colour) << int{type} << " at " << x << ", " << y;
    }
    EXPECT_EQ(Pixel(256, 255), kBackground) << int{type};
  }
}

TEST_F(ObjectMarkersTest, LaterPassesPaintOverEarlierOnes) {
  // The fill repaints the point and the box inside the rectangle; the outline of type 2 and
  // the red block come after it.
  Draw(TrackBuilder()
           .Object(2, 512, 512, 61)
           .Object(17, 512, 512)
           .Object(10, 512, 512)
           .Object(9, 600, 512)
           .Object(40, 400, 512));
  EXPECT_EQ(Count(kPoint), 0);
  EXPECT_EQ(Count(kBox), 0);
  EXPECT_EQ(Pixel(258, 269), kRed);
  EXPECT_EQ(Pixel(256, 255), kFill);
  EXPECT_EQ(Pixel(200, 255), kRed);
  EXPECT_GT(Count(kRed), 9);
}

TEST_F(ObjectMarkersTest, FillStartingOnAGreyOutlineFillsNothing) {
  // The second rectangle's centre is the first one's corner Q1, grey before it is drawn.
  Draw(TrackBuilder().Object(17, 512, 512).Object(17, 668, 576));
  EXPECT_EQ(Pixel(334, 223), kGrey);
  EXPECT_EQ(Pixel(256, 255), kFill);
  EXPECT_EQ(Pixel(400, 210), kBackground);  // inside the second rectangle only
  EXPECT_EQ(Pixel(412, 191), kGrey);        // its corner Q1
}

TEST_F(ObjectMarkersTest, RectangleSizesFollowTheWorldSize) {
  // Above 200 the outlined rectangle has no width: one line, and column 0 passes the test.
  // Lines (263, 254)-(249, 255) and, truncated toward zero from both sides, (0, 468)-(0, 454).
  Draw(TrackBuilder().WorldSize(201).Object(1, 512, 512).Object(1, 0, 100, 61));
  EXPECT_EQ(Pixel(263, 254), kWhite);
  EXPECT_EQ(Pixel(249, 255), kWhite);
  EXPECT_EQ(Pixel(0, 454), kWhite);
  EXPECT_EQ(Pixel(0, 468), kWhite);
  EXPECT_EQ(Count(kWhite), 15 + 15);

  // World size 1: no filled rectangle passes its bounds test; outlined ones run off the image.
  Draw(TrackBuilder().WorldSize(1).Object(17, 512, 512).Object(1, 512, 512));
  EXPECT_EQ(Count(kGrey), 0);
  EXPECT_EQ(Count(kFill), 0);
  EXPECT_GT(Count(kWhite), 0);
}

TEST_F(ObjectMarkersTest, WorldSizeZeroSkipsOnlyTheRectangles) {
  Draw(TrackBuilder()
           .WorldSize(0)
           .Object(17, 512, 512)
           .Object(1, 512, 512)
           .Object(10, 100, 100)
           .Object(9, 200, 200)
           .Object(25, 300, 300));
  EXPECT_EQ(Count(kGrey), 0);
  EXPECT_EQ(Count(kWhite), 0);
  EXPECT_EQ(Count(kPoint), 9 + 1);
  EXPECT_EQ(Count(kBox), 24);
  EXPECT_EQ(Count(kRed), 9);
  EXPECT_EQ(TypeByte(4), 10);
}

TEST_F(ObjectMarkersTest, NewTypesAreDrawnRedAndRemappedWhenDrawn) {
  TrackBuilder track;
  for (std::int8_t type = 25; type <= 33; ++type) track.Object(type, 512, 512);
  track.Object(26, 0, 512).Object(127, 512, 512).Object(-1, 512, 512).Object(24, 512, 512);
  Draw(track);
  const std::vector<int> expected = {10, 8, 13, 11, 23, 22, 10, 24, 33, 26, 127, 255, 24};
  for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(TypeByte(k), expected[k]) << k;
  EXPECT_EQ(Count(kRed), 9);
  EXPECT_EQ(Pixel(256, 255), kRed);
}

TEST_F(ObjectMarkersTest, ExactlyTheCountedEntriesAreVisited) {
  const std::vector<std::uint8_t> lookalike = {25, 0, 0x00, 0x02, 0x00, 0x02, 0, 0};
  Draw(TrackBuilder().Object(10, 100, 100).AfterObjects(lookalike));
  EXPECT_EQ(TypeByte(1), 25);
  EXPECT_EQ(Count(kRed), 0);

  Draw(TrackBuilder().Object(25, 512, 512).Object(17, 512, 512).ObjectCount(-1));
  EXPECT_EQ(TypeByte(0), 25);
  EXPECT_EQ(Count(kBackground), 512 * 560);
}

// The converted copy remaps without drawing, over exactly the area pass 5 draws in.
TEST_F(ObjectMarkersTest, TheRemapAloneTakesTheEntriesPassFiveWouldDraw) {
  struct Case {
    std::int16_t x, y;
    bool remapped;
  };
  const std::vector<Case> cases = {
      {512, 512, true},   {2, 512, true},     {1, 512, false},    {-2, 512, false},
      {1021, 512, true},  {1022, 512, false}, {512, 2, true},     {512, 1, false},
      {512, 1020, true},  {512, 1022, false}, {512, -2, false},   {-32768, 32767, false},
  };
  TrackBuilder track;
  track.WorldSize(0);  // no rectangles to draw does not stop the remap
  for (std::int8_t type = 24; type <= 33; ++type) {
    for (const auto& c : cases) track.Object(type, c.x, c.y);
  }
  auto parsed = Parse(track);
  RemapObjectTypes(parsed.bytes, parsed.info.layout);

  std::size_t k = 0;
  for (int type = 24; type <= 33; ++type) {
    const auto written = RemappedType(static_cast<std::int8_t>(type));
    for (const auto& c : cases) {
      const int expected = c.remapped && written ? *written : type;
      EXPECT_EQ(parsed.bytes[track.ObjectTypeOffset(k++)], expected) << type << " at " << c.x << ", " << c.y;
    }
  }
}

}  // namespace
}  // namespace tarmaxion

namespace tarmaxion {
namespace {

// Piles of filled rectangles skip fills that cannot change anything; the picture must be the
// one that drawing every outline and every fill in order gives, over any ground, including
// ground that already has the fill colour.
TEST_F(ObjectMarkersTest, PiledFilledRectanglesLookAsIfEveryFillRan) {
  std::mt19937 random(17);
  const auto number = [&random](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
  for (int round = 0; round < 40; ++round) {
    TrackBuilder builder;
    const auto world_size = static_cast<std::uint8_t>(40 + number(120));
    builder.WorldSize(world_size);
    const int centre_x = number(1000), centre_y = number(1000);
    for (int k = 0; k < 60; ++k) {
      builder.Object(static_cast<std::int8_t>(17 + number(2)),
                     static_cast<std::int16_t>(centre_x + number(401) - 200),
                     static_cast<std::int16_t>(centre_y + number(401) - 200),
                     static_cast<std::uint8_t>(number(256)));
    }
    const auto track = Parse(builder);
    const unsigned ground_seed = static_cast<unsigned>(random());
    const auto make_ground = [&] {
      MakeBlankImage();
      std::mt19937 ground(ground_seed);
      graphics_.BeginDrawing(kSlot);
      const Colour colours[] = {Rgb(1, 2, 3), kPoint, kBox, round % 4 == 0 ? kFill : kRed};
      for (int box = 0; box < 30; ++box) {
        graphics_.FillBox(static_cast<int>(ground() % 512), static_cast<int>(ground() % 512),
                          static_cast<int>(ground() % 40), static_cast<int>(ground() % 40),
                          colours[ground() % 4]);
      }
      graphics_.EndDrawing();
    };

    make_ground();
    auto bytes = track.bytes;
    DrawObjects(bytes, track.info, kObjectColours, graphics_, kSlot);
    const Image drawn = *graphics_.ImageAt(kSlot);

    make_ground();
    graphics_.BeginDrawing(kSlot);
    const int a = 6200 / world_size / 2, b = 15900 / world_size / 2;
    const ByteReader reader(track.bytes);
    for (std::int64_t k = 0; k < track.info.layout.object_count; ++k) {
      const auto entry = track.info.layout.objects + 2 + 8 * k;
      const int c = reader.S16(entry + 2) / 2, r = 511 - reader.S16(entry + 4) / 2;
      if (c < a || r < a || c >= 511 - a || r >= 511 - a) continue;
      DrawMarkerRectangle(graphics_, MarkerRectangle(c, r, reader.U8(entry + 7), a, b), kGrey);
      graphics_.FloodFill(c, r, FillMode::kBorder, kGrey, kFill);
    }
    graphics_.EndDrawing();
    ASSERT_TRUE(std::equal(drawn.Pixels().begin(), drawn.Pixels().end(),
                           graphics_.ImageAt(kSlot)->Pixels().begin()))
        << "round " << round;
  }
}

}  // namespace
}  // namespace tarmaxion
