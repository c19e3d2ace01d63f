#include <gtest/gtest.h>

#include "api/TrackApi.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::TrackBuilder;

std::string MapNameOf(const TrackBuilder& track, std::string_view file_name) {
  const auto bytes = track.Build();
  TrackApi api(nullptr);
  if (api.Open(bytes, file_name).outcome != TrackOutcome::kRead) return "(not read)";
  return api.Map().name.Utf8();
}

TEST(MapNameTest, JoinsTrackNameTimeAndDriver) {
  TrackBuilder track;
  track.Record(1, "Bob", 4567).CarName(1, "Rocket");
  EXPECT_EQ(MapNameOf(track, "monza.trk"), "monza_4567_Bob");
  EXPECT_EQ(MapNameOf(TrackBuilder().Record(0, "Ace", 6000).Record(1, "Bob", 6000), "oval.trk"), "oval_6000");
  EXPECT_EQ(MapNameOf(track, ""), "_4567_Bob");
  EXPECT_EQ(MapNameOf(TrackBuilder().Record(1, "Bob", 45), "\xD0\xA2\xD1\x80\xD0\xB0.trk"), "\xD0\xA2\xD1\x80\xD0\xB0_45_Bob");
}

}  // namespace
}  // namespace tarmaxion
