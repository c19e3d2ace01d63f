// trkconv.exe draws the preview's caption in GDI's glyphs, so its picture is the Windows
// window's map image, caption band included.
#include <gtest/gtest.h>

#include "programs/window/Program.h"
#include "tests/trkconv/ShownCaptionCheck.h"
#include "tests/win32/AnsweringPlatform.h"

namespace tarmaxion {
namespace {

// A name no ANSI code page spells whole, which the program's arguments must carry.
TEST(Win32CaptionTest, PreviewIsTheWindowsMapImageCaptionIncluded) {
  const testing::TempDir dir;
  const std::string name = "M\xC3\xBCller \xC3\xA9t\xC3\xA9";
  const auto track = dir.Write(name + ".trk", testing::RichTrack().Build());

  win32::AnsweringPlatform platform(track);
  Program program(platform);
  program.StartUp();
  program.Dispatch({EventKind::kControl, kLoadButton});
  const Image* shown = program.Model().MapImage();
  ASSERT_NE(shown, nullptr);
  testing::ExpectPreviewIsTheShownImage(*shown, dir, track, name + ".png");
  program.ShutDown();
}

}  // namespace
}  // namespace tarmaxion
