// A map image to draw on in preview tests: the drawing services over the
// deterministic headless glyphs, and a track parsed the way the listing parses it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "preview/MapImage.h"
#include "tests/support/TextPrinting.h"
#include "tools/builders/TrackBuilder.h"
#include "track/TrackInfo.h"
#include "track/TrackLayout.h"
#include "gfx/Graphics.h"
#include "platform/headless/HeadlessGlyphs.h"

namespace tarmaxion::testing {

inline constexpr int kSlot = 1;
inline constexpr int kFont = 1;
inline constexpr Colour kBackground = Rgb(0, 100, 150);
inline constexpr Colour kNoImage = 0xFF000000;

struct ParsedTrack {
  std::vector<std::uint8_t> bytes;
  TrackInfo info;
};

inline ParsedTrack Parse(const TrackBuilder& builder) {
  ParsedTrack track{builder.Build(), {}};
  const ByteReader reader(track.bytes);
  const auto located = LocateRegions(reader);
  EXPECT_TRUE(located.HasValue()) << located.Failure().message;
  if (located.HasValue()) track.info = ReadTrackInfo(reader, TrackVersion::k110, *located, CodePage::k1252);
  return track;
}

class PreviewCanvas : public ::testing::Test {
 protected:
  PreviewCanvas() { glyphs_.LoadFont(kFont, "Lucida Console", 12); }

  // A map image in the background colour everywhere, as a track without terrain gives.
  void MakeBlankImage() {
    Image* const image = graphics_.PrepareImage(kSlot, kMapWidth, kMapHeight);
    ASSERT_NE(image, nullptr);
    FillBox(*image, 0, 0, kMapWidth, kMapHeight, kBackgroundColour);
  }

  // A colour no drawing uses when there is no image, so that the test fails instead of crashing.
  Colour Pixel(int x, int y) const {
    const Image* image = graphics_.ImageAt(kSlot);
    return image != nullptr ? image->At(x, y) : kNoImage;
  }

  // How many pixels of the image have this colour.
  long Count(Colour colour) const {
    const Image* image = graphics_.ImageAt(kSlot);
    if (image == nullptr) return -1;
    return std::count(image->Pixels().begin(), image->Pixels().end(), colour);
  }

  HeadlessGlyphs glyphs_;
  Graphics graphics_{glyphs_};
};

}  // namespace tarmaxion::testing
