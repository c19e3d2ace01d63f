#include <gtest/gtest.h>

#include <vector>

#include "tests/support/TextPrinting.h"
#include "tools/builders/TrackBuilder.h"
#include "track/TrackInfo.h"

namespace tarmaxion {
namespace {

using testing::TrackBuilder;

TrackBuilder FullTrack() {
  TrackBuilder track;
  track.WorldSize(100).WaterLevel(50).Angel(7).RotationBytes(3, 255).Zoom(2).StartFinish(4);
  track.Landmap({0x1002, 0x2003, 0x0000}).Object(10, 100, 100).Object(26, 512, 512);
  track.Author("  Jo Builder ").TrackLength(123456);
  track.Record(0, "Ace", 2345).Record(1, "", 2345).Record(2, "Bob", 4567).Record(6, "Zed", -1);
  track.CarName(0, "Rocket").CarName(1, "Comet").CarName(6, "  Sled  ");
  track.Date({2010, 3, 7, 9, 5, 3}).GhostSize(2401);
  return track;
}

std::vector<Text> List(const std::vector<std::uint8_t>& bytes) {
  const ByteReader reader(bytes);
  const auto version = CheckVersion(reader);
  const auto located = LocateRegions(reader);
  EXPECT_TRUE(version.has_value());
  EXPECT_TRUE(located.HasValue()) << located.Failure().message;
  std::vector<Text> lines = {VersionLine(*version)};
  for (const auto& line : InfoLines(ReadTrackInfo(reader, *version, *located, CodePage::k1252))) {
    lines.push_back(line.Windows1252());
  }
  return lines;
}

TEST(ListingTest, ListsEveryFieldInOrderWithTheExactTexts) {
  const std::vector<Text> expected = {
      "Tarmaxion 1.10",
      " ",
      "Worldsize: 100",
      "Waterlevel: 50",
      "Angel: 7",
      "Rotation: -253",
      "Zoom: 2",
      "S/F Line: 4",
      " ",
      "Landmap: 4 Bytes",
      "# Objecte: 2",
      "Trk-L\xE4nge: 123456",
      " ",
      "Autor: Jo Builder",
      " ",
      "Best: Ace 2345  7.3.2010   9:05.03",
      "1.:  2345",
      "2.: Bob 4567",
      "3.:  0",
      "4.:  0",
      "5.:  0",
      "6.: Zed -1",
      " ",
      "Car Best:Rocket",
      "1:Comet",
      "2:",
      "3:",
      "4:",
      "5:",
      "6:Sled",
      " ",
      "Ghost Frames:1200",
  };
  EXPECT_EQ(List(FullTrack().Build()), expected);
}

TEST(ListingTest, VersionOneZeroFiveListsTheSameLinesUnderItsOwnVersionLine) {
  auto lines_110 = List(FullTrack().Build());
  auto lines_105 = List(FullTrack().Version(TrackBuilder::kVersion105).Build());
  EXPECT_EQ(lines_105.front(), "Tarmaxion 1.05");
  lines_105.front() = lines_110.front();
  EXPECT_EQ(lines_105, lines_110);
}

TEST(ListingTest, FileLineHasNameThreeSpacesAndSize) {
  EXPECT_EQ(FileLine("oval.trk", 31522).Windows1252(), "oval.trk   31522 Bytes");
  EXPECT_EQ(FileLine("", 2000000).Windows1252(), "   2000000 Bytes");
}

TEST(ListingTest, RotationCombinesItsTwoBytes) {
  EXPECT_EQ(RotationOf(200, 0), 200);
  EXPECT_EQ(RotationOf(3, 255), -253);
  EXPECT_EQ(RotationOf(0, 1), -2);
}

TEST(ListingTest, RecordDatePadsMinuteAndSecondAndKeepsFirstTwoOfLongerTexts) {
  auto track = FullTrack();
  track.Date({1999, 12, 31, 23, 123, -5});
  EXPECT_EQ(List(track.Build())[15], "Best: Ace 2345  31.12.1999   23:12.-5");
}

TEST(ListingTest, NameFieldsStopAtTwelveCharactersOrNulAndAreTrimmed) {
  auto track = FullTrack();
  // 13 bytes without NUL: the 13th is never part of the name.
  // The literal's length keeps its NUL and the bytes after it in the field.
  track.Record(1, "ABCDEFGHIJKLM", 100).Record(2, std::string("  Ace \0xx", 9), 200).Record(3, "     ", 300);
  const auto lines = List(track.Build());
  EXPECT_EQ(lines[16], "1.: ABCDEFGHIJKL 100");
  EXPECT_EQ(lines[17], "2.: Ace 200");
  EXPECT_EQ(lines[18], "3.:  300");
}

TEST(ListingTest, GhostFramesAreHalfTheGhostSizeTruncatedTowardZero) {
  for (const auto& [size, frames] : std::vector<std::pair<std::int16_t, Text>>{
           {7, "3"}, {-3, "-1"}, {2401, "1200"}, {0, "0"}}) {
    auto track = FullTrack();
    track.GhostSize(size);
    EXPECT_EQ(List(track.Build()).back(), "Ghost Frames:" + frames);
  }
}

}  // namespace
}  // namespace tarmaxion
