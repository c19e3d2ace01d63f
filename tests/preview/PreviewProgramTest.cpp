// The whole load and save through the program and the headless platform.
#include <gtest/gtest.h>

#include "programs/window/Program.h"
#include "preview/Palette.h"
#include "preview/WaterOverlay.h"
#include "tests/support/WindowRun.h"
#include "tests/support/TempDir.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::TrackBuilder;

constexpr Colour kBackground = Rgb(0, 100, 150);

TrackBuilder Monza() {
  TrackBuilder track;
  track.WorldSize(100).WaterLevel(50).Landmap({0xFFF2, 0xFFF3, 0x0000});
  track.Heights(200).Height(64 * 10 + 20, 10);  // one water cell: columns 160..167, rows 423..430
  track.Object(26, 512, 512)                    // remapped to 8
      .Object(10, 100, 100)
      .Object(31, 1000, 1000)  // remapped to 10
      .Object(28, 0, 512)      // on the edge: neither drawn nor remapped
      .Object(33, 300, 300);   // drawn, kept
  track.Record(0, "Ace", 2345).Record(1, "Bob", 4567).CarName(1, "Rocket");
  return track;
}

class PreviewProgramTest : public testing::WindowTest {
 protected:
  const Image& Map() const { return *Shown(); }
};

TEST_F(PreviewProgramTest, LoadShowsTheMapAndLogsItsName) {
  Load(dir_.Write("monza.trk", Monza().Build()));
  EXPECT_EQ(LastLog(), "monza_4567_Bob");
  ASSERT_NE(platform.Control(kMapView).image, nullptr);
  EXPECT_EQ(platform.Control(kMapView).image, program.Model().MapImage());
  EXPECT_EQ(platform.Control(kMapView).show_count, 1);
  const Image& map = Map();
  EXPECT_EQ(map.Width(), 512);
  EXPECT_EQ(map.Height(), 560);
  EXPECT_EQ(map.At(0, 511), Rgb(145, 202, 91));      // first run, terrain code 2
  EXPECT_EQ(map.At(510, 504), Rgb(145, 202, 91));
  EXPECT_EQ(map.At(511, 504), Rgb(190, 210, 130));   // second run, terrain code 3
  EXPECT_EQ(map.At(0, 0), kBackground);              // no run reaches the top
  EXPECT_EQ(map.At(160, 423), kWaterColour);
  EXPECT_EQ(map.At(167, 430), kWaterColour);
  EXPECT_EQ(map.At(168, 430), kBackground);
  EXPECT_EQ(map.At(256, 255), kObjectColours[11]);  // type 26, drawn as a new type
  EXPECT_EQ(map.At(50, 461), kObjectColours[7]);    // type 10
  EXPECT_EQ(map.At(500, 11), kObjectColours[11]);   // type 31
  EXPECT_EQ(map.At(150, 361), kObjectColours[11]);  // type 33
  EXPECT_EQ(map.At(0, 255), kBackground);           // type 28 on the edge left alone
  // The opaque box of "45.67" at (20, 530), five 9 x 16 cells.
  EXPECT_EQ(map.At(20, 530), kBackground);
  EXPECT_EQ(map.At(21, 532), Rgb(255, 255, 255));
  EXPECT_EQ(map.At(20 + 44 - 1, 530 + 11), Rgb(255, 255, 255));
}

TEST_F(PreviewProgramTest, SavedCopyDiffersOnlyInTheVersionByteAndTheRemappedTypes) {
  const auto bytes = Monza().Build();
  const auto path = dir_.Write("monza.trk", bytes);
  Load(path);
  Save(dir_.File("monza_c.trk"));
  EXPECT_EQ(LastLog(), "saved");
  auto expected = bytes;
  expected[0] = 5;
  expected[Monza().ObjectTypeOffset(0)] = 8;
  expected[Monza().ObjectTypeOffset(2)] = 10;
  EXPECT_EQ(ReadBytes(dir_.File("monza_c.trk")), expected);
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(PreviewProgramTest, EachLoadStartsFromABlankMap) {
  Load(dir_.Write("monza.trk", Monza().Build()));
  Load(dir_.Write("empty.trk", TrackBuilder().Record(1, "Cy", 6000).Record(0, "Di", 7000).Build()));
  EXPECT_EQ(LastLog(), "empty_7000");
  const Image& map = Map();
  EXPECT_EQ(map.At(0, 511), kBackground);
  EXPECT_EQ(map.At(160, 423), kBackground);
  EXPECT_EQ(map.At(256, 255), kBackground);
  // "70.00" beside "no Best Time".
  EXPECT_EQ(map.At(21, 532), Rgb(255, 255, 255));
  EXPECT_EQ(map.At(91, 542), Rgb(255, 255, 255));
}

TEST_F(PreviewProgramTest, RejectedLoadKeepsTheMapThatWasShown) {
  Load(dir_.Write("monza.trk", Monza().Build()));
  Load(dir_.Write("old.trk", Monza().Version(262).Build()));
  EXPECT_EQ(LastLog(), "Caution: Version <> 1.05");
  EXPECT_EQ(platform.Control(kMapView).show_count, 1);
  EXPECT_EQ(Map().At(160, 423), kWaterColour);
  EXPECT_NE(Panel().find("monza_4567_Bob"), Text::npos);
}

// The window's buffer keeps what its load and save did to it: a cancelled load lists and draws
// that buffer again, with the rewritten types and, after a save, version byte 5.
TEST_F(PreviewProgramTest, CancelledLoadShowsTheBufferAsTheLoadAndSaveLeftIt) {
  Load(dir_.Write("monza.trk", Monza().Build()));
  ASSERT_EQ(Map().At(256, 255), kObjectColours[11]);  // type 26, drawn as read
  Load("");
  EXPECT_EQ(Map().At(256, 255), kBackground);  // now type 8, which no pass draws
  EXPECT_EQ(Lines()[1], "Tarmaxion 1.10");
  Save(dir_.File("monza_c.trk"));
  Load("");
  EXPECT_EQ(Lines()[1], "Tarmaxion 1.05");
}

}  // namespace
}  // namespace tarmaxion
