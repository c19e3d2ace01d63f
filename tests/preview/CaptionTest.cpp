#include "preview/Caption.h"

#include <gtest/gtest.h>

#include <bit>
#include <vector>

#include "preview/MapBuild.h"
#include "tests/preview/PreviewCanvas.h"

namespace tarmaxion {
namespace {

using testing::kBackground;
using testing::kFont;
using testing::kSlot;
using testing::Parse;
using testing::TrackBuilder;

constexpr Colour kWhite = Rgb(255, 255, 255);

TrackInfo Records(std::int16_t best, std::int16_t first) {
  TrackInfo info;
  info.lap_times[0] = best;
  info.lap_times[1] = first;
  info.driver_names[0] = "Ace";
  info.driver_names[1] = "Bob";
  info.car_names[0] = "Comet";
  info.car_names[1] = "Rocket";
  return info;
}

TEST(CaptionTest, RecordOneWinsWhileItHasATimeThenTheBestRecordThenNoTime) {
  struct Case {
    std::int16_t best, first;
    std::int16_t time;
    const char* names_line;
    const char* name_tail;
  };
  const std::vector<Case> cases = {
      {3000, 5999, 5999, "Bob / Rocket", "5999_Bob"},
      {5999, 6000, 5999, "Ace / Comet", "5999_Ace"},
      {6000, 6000, 6000, "no Best Time", "6000"},
      {12345, 7000, 12345, "no Best Time", "12345"},
      {100, -1, -1, "Bob / Rocket", "-1_Bob"},
      {-5, 6001, -5, "Ace / Comet", "-5_Ace"},
      {-32768, -32768, -32768, "Bob / Rocket", "-32768_Bob"},
  };
  for (const auto& c : cases) {
    const auto chosen = ChooseCaptionRecord(Records(c.best, c.first));
    EXPECT_EQ(chosen.time, c.time) << c.best << " " << c.first;
    EXPECT_EQ(chosen.names_line, c.names_line) << c.best << " " << c.first;
    EXPECT_EQ(chosen.name_tail, c.name_tail) << c.best << " " << c.first;
  }
}

TEST(CaptionTest, TimeTextShowsSecondsAndHundredths) {
  const std::vector<std::pair<std::int16_t, const char*>> cases = {
      {4567, "45.67"}, {5999, "59.99"}, {6000, "60.00"}, {987, "9.87"},  {1000, "10.00"},
      {999, "9.99"},   {100, "1.00"},   {12345, "12.45"}, {32767, "32.67"},
      // Below one second the digits still read as seconds, negative times included.
      {99, "0.99"},    {45, "0.45"},    {5, "0.05"},      {0, "0.00"},      {-1, "-0.01"},
      {-123, "-1.23"}, {-32768, "-327.68"},
  };
  for (const auto& [time, text] : cases) EXPECT_EQ(TimeText(time), text) << time;
}

TEST(CaptionTest, TrackNameDropsTheLastFourCharactersAndKeepsTheRest) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"monza.trk", "monza"}, {"a.trk", "a"}, {".trk", ""}, {"trk", ""}, {"", ""},
      {"M\xC3\xBCller.trk", "M\xC3\xBCller"},
      {"\xCE\xA0\xCE\xAF\xCF\x83\xCF\x84\xCE\xB1.trk", "\xCE\xA0\xCE\xAF\xCF\x83\xCF\x84\xCE\xB1"},  // Πίστα
  };
  for (const auto& [file_name, name] : cases) EXPECT_EQ(TrackName(file_name).Utf8(), name) << file_name;
}

class MapBuildTest : public testing::PreviewCanvas {
 protected:
  bool Build(const TrackBuilder& builder, std::string_view file_name) {
    track_ = Parse(builder);
    return BuildMap(ByteReader(track_.bytes), track_.info, kLandmapColours, file_name, graphics_,
                    kSlot, kFont);
  }

  testing::ParsedTrack track_;
};

TEST_F(MapBuildTest, ImageShowsTheTerrainAndTheCaptionBand) {
  ASSERT_TRUE(Build(TrackBuilder().Landmap({0x0202, 0x001A}), "a.trk"));
  EXPECT_EQ(Pixel(0, 511), Rgb(145, 202, 91));
  EXPECT_EQ(Pixel(31, 511), Rgb(145, 202, 91));
  EXPECT_EQ(Pixel(32, 511), Rgb(255, 255, 0));
  EXPECT_EQ(Pixel(33, 511), kBackground);
  EXPECT_EQ(Pixel(511, 0), kBackground);
  EXPECT_EQ(Pixel(0, 559), kBackground);
}

TEST_F(MapBuildTest, EachMapStartsAfreshWithoutTheTerrainOfTheOneBefore) {
  ASSERT_TRUE(Build(TrackBuilder().Landmap({0xFFF2, 0xFFF2}), "a.trk"));
  ASSERT_TRUE(Build(TrackBuilder().Landmap({0x0013}), "a.trk"));
  EXPECT_EQ(Count(Rgb(145, 202, 91)), 0);
  EXPECT_EQ(Count(Rgb(190, 210, 130)), 1);
}

// The headless glyph of every character inks a frame from (1, 2) to (7, 11) of its 9 x 16 cell,
// 30 pixels, and five pixels inside it for every bit set in the character.
long InkOf(const Text& text) {
  long inked = 0;
  for (const char c : text) inked += 30 + 5 * std::popcount(static_cast<unsigned char>(c));
  return inked;
}

TEST_F(MapBuildTest, CaptionLinesAreWhiteOnTheBandColourInOpaqueCells) {
  TrackBuilder track;
  track.Record(1, "Bob", 4567).CarName(1, "Rocket");
  ASSERT_TRUE(Build(track, "monza.trk"));

  // "45.67" at (20, 530): five cells, 45 x 16.
  EXPECT_EQ(Pixel(21, 532), kWhite);
  EXPECT_EQ(Pixel(20, 530), kBackground);
  EXPECT_EQ(Pixel(20 + 4 * 9 + 7, 530 + 11), kWhite);
  EXPECT_EQ(Pixel(20 + 5 * 9, 532), kBackground);
  EXPECT_EQ(Pixel(19, 532), kBackground);
  // "monza" at (90, 520) and "Bob / Rocket" at (90, 540).
  EXPECT_EQ(Pixel(91, 522), kWhite);
  EXPECT_EQ(Pixel(90 + 4 * 9 + 1, 522), kWhite);
  EXPECT_EQ(Pixel(90 + 5 * 9 + 1, 522), kBackground);
  EXPECT_EQ(Pixel(91, 542), kWhite);
  EXPECT_EQ(Pixel(90 + 11 * 9 + 7, 551), kWhite);
  EXPECT_EQ(Pixel(90 + 12 * 9 + 1, 542), kBackground);
  EXPECT_EQ(Count(kWhite), InkOf("45.67") + InkOf("monza") + InkOf("Bob / Rocket"));
}

TEST_F(MapBuildTest, NoImageMeansNoCaption) {
  // An image slot the drawing services do not have stands for an image that cannot be made.
  track_ = Parse(TrackBuilder().Record(1, "Bob", 4567));
  EXPECT_FALSE(BuildMap(ByteReader(track_.bytes), track_.info, kLandmapColours, "a.trk", graphics_,
                        Graphics::kSlotCount, kFont));
}

}  // namespace
}  // namespace tarmaxion
