// The check shared by the tests of trkconv built beside a real window: its preview is the map
// image that window showed, caption band included, and the caption is not the box font.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/trkconv/ImageDecoding.h"
#include "tests/trkconv/TrkconvRun.h"
#include "tests/trkconv/WindowReference.h"
#include "tests/support/TempDir.h"

namespace tarmaxion::testing {

// Runs the built program's preview of track, in dir, to dir/png_name.
inline void ExpectPreviewIsTheShownImage(const Image& shown, const TempDir& dir, const std::string& track,
                                         const std::string& png_name) {
  constexpr int kMapRows = 512;
  constexpr int kImageRows = 560;
  const auto run = RunProgram({"preview", track}, dir.File(""));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, track + " -> " + dir.File(png_name) + "\n");
  const auto image = DecodePng(ReadBytes(dir.File(png_name)));
  ASSERT_TRUE(image);
  EXPECT_TRUE(SamePixels(*image, shown, kImageRows));

  const auto headless = RunWindow(track);
  ASSERT_TRUE(headless.image);
  EXPECT_TRUE(SamePixels(*image, *headless.image, kMapRows));
  EXPECT_FALSE(SamePixels(*image, *headless.image, kImageRows)) << "the caption shows the box font";
}

}  // namespace tarmaxion::testing
