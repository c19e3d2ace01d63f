// The thumbnail handler's path from a track's bytes to its picture: the map area without the
// caption band, never scaled up, and no picture for a track the window would not draw.
#include "api/Thumbnail.h"

#include <gtest/gtest.h>

#include "api/TrackMessages.h"
#include "tests/support/SampleTrack.h"

namespace tarmaxion {
namespace {

using testing::SampleTrack;

TEST(TrackThumbnailTest, TheMapAreaScaledToTheLongerSideAskedAndNeverUp) {
  const auto track = SampleTrack().Build();
  TrackApi api;
  for (const int side : {1, 100, 256, 512}) {
    const auto thumbnail = TrackThumbnail(api, track, side);
    ASSERT_TRUE(thumbnail) << side;
    EXPECT_EQ(thumbnail->Width(), side);
    EXPECT_EQ(thumbnail->Height(), side);
  }
  const auto whole = TrackThumbnail(api, track, 4096);
  ASSERT_TRUE(whole);
  TrackApi window;
  window.Open(track, "");
  const Image& map = *window.Map().image;
  ASSERT_EQ(whole->Width(), 512);
  ASSERT_EQ(whole->Height(), 512);
  for (int y = 0; y < 512; ++y) {
    for (int x = 0; x < 512; ++x) ASSERT_EQ(whole->At(x, y), map.At(x, y)) << x << ", " << y;
  }
}

TEST(TrackThumbnailTest, NoPictureOfATrackTheWindowWouldNotDraw) {
  auto cut = SampleTrack().Build();
  cut.resize(20);
  auto oversized = SampleTrack().Build();
  oversized.resize(kMaxTrackFileSize + 1);
  TrackApi api;
  EXPECT_EQ(TrackThumbnail(api, SampleTrack().Version(300).Build(), 256).Failure(), TrackOutcome::kRefused);
  EXPECT_EQ(TrackThumbnail(api, cut, 256).Failure(), TrackOutcome::kDamaged);
  EXPECT_EQ(TrackThumbnail(api, oversized, 256).Failure(), TrackOutcome::kTooLarge);
}

}  // namespace
}  // namespace tarmaxion
