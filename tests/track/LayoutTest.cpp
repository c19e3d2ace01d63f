#include <gtest/gtest.h>

#include <vector>

#include "tests/support/TextPrinting.h"
#include "tools/builders/TrackBuilder.h"
#include "track/TrackLayout.h"

namespace tarmaxion {
namespace {

using testing::TrackBuilder;

std::optional<TrackVersion> VersionOf(std::vector<std::uint8_t> bytes) {
  return CheckVersion(ByteReader(bytes));
}

TEST(LayoutTest, VersionWordAndMagicMustBothMatch) {
  EXPECT_EQ(VersionOf({0x05, 0x01, 'T', 'X'}), TrackVersion::k105);
  EXPECT_EQ(VersionOf({0x10, 0x01, 'T', 'X'}), TrackVersion::k110);
  EXPECT_FALSE(VersionOf({0x06, 0x01, 'T', 'X'}));
  EXPECT_FALSE(VersionOf({0x05, 0x01, 't', 'x'}));
  EXPECT_FALSE(VersionOf({0x05, 0x01, 'T', 0}));
  EXPECT_FALSE(VersionOf({0x05, 0x01, 0, 'X'}));
  EXPECT_FALSE(VersionOf({0x05, 0x01, 'T'}));
  EXPECT_FALSE(VersionOf({}));
}

TEST(LayoutTest, OffsetsFollowFromTheLandmapWordCountAndTheRecordsOffset) {
  TrackBuilder builder;
  builder.Landmap({1, 2, 3, 4}).Object(10, 4, 4).Gap(100);
  const auto bytes = builder.Build();
  const auto located = LocateRegions(ByteReader(bytes));
  ASSERT_TRUE(located.HasValue()) << located.Failure().message;
  const auto& layout = *located;
  EXPECT_EQ(layout.landmap_words, 3);
  EXPECT_EQ(layout.heightmap, 22 + 2 * 3);
  EXPECT_EQ(layout.objects, 4118 + 2 * 3);
  EXPECT_EQ(layout.object_count, 1);
  EXPECT_EQ(layout.records, static_cast<std::int64_t>(builder.RecordsOffsetInFile()));
  EXPECT_EQ(layout.record_date, layout.records + 9513);
  EXPECT_EQ(layout.ghost, layout.records + 9625);
}

struct DamagedCase {
  const char* name;
  std::vector<std::uint8_t> bytes;
  const char* problem;
};

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

TEST(LayoutTest, RegionsOutsideTheDataAreReportedNeverRead) {
  const auto good = TrackBuilder().Build();
  const std::vector<DamagedCase> cases = {
      {"header only in part", Cut(good, 19), "Damaged track: header cut short"},
      {"landmap past the end", TrackBuilder().LandmapWordCount(600000).Build(),
       "Damaged track: landmap beyond end of file"},
      {"huge landmap", TrackBuilder().LandmapWordCount(0x7FFFFFFF).Build(),
       "Damaged track: landmap beyond end of file"},
      {"landmap below zero", TrackBuilder().LandmapWordCount(-100).Build(),
       "Damaged track: landmap size negative"},
      {"heightmap cut", Cut(good, 22 + 4000), "Damaged track: heightmap beyond end of file"},
      {"object count cut", Cut(good, 4118 + 1), "Damaged track: object table beyond end of file"},
      {"objects past the end", TrackBuilder().ObjectCount(30000).Build(),
       "Damaged track: objects beyond end of file"},
      {"records offset small", TrackBuilder().RecordsOffset(535).Build(),
       "Damaged track: records offset too small"},
      {"records offset negative", TrackBuilder().RecordsOffset(-9000).Build(),
       "Damaged track: records offset too small"},
      {"records past the end", Cut(good, good.size() - 1), "Damaged track: records beyond end of file"},
      {"records offset huge", TrackBuilder().RecordsOffset(0x7FFFFFF0).Build(),
       "Damaged track: records beyond end of file"},
  };
  for (const auto& c : cases) {
    const auto located = LocateRegions(ByteReader(c.bytes));
    EXPECT_FALSE(located.HasValue()) << c.name;
    EXPECT_EQ(located.Failure().message, c.problem) << c.name;
  }
}

TEST(LayoutTest, NegativeCountsAndSmallNegativeWordCountsStayReadable) {
  EXPECT_TRUE(LocateRegions(ByteReader(TrackBuilder().ObjectCount(-5).Build())).HasValue());
  // W = -1 decodes no run word; the heightmap then starts at offset 20.
  const auto located = LocateRegions(ByteReader(TrackBuilder().LandmapWordCount(-1).Build()));
  ASSERT_TRUE(located.HasValue());
  EXPECT_EQ(located->heightmap, 20);
}

TEST(LayoutTest, ExactlyTheRecordsBlockAtTheEndIsEnough) {
  const auto bytes = TrackBuilder().Build();
  const auto located = LocateRegions(ByteReader(bytes));
  ASSERT_TRUE(located.HasValue());
  EXPECT_EQ(located->records + 9627, static_cast<std::int64_t>(bytes.size()));
}

}  // namespace
}  // namespace tarmaxion
