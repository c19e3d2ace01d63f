// trkconv built beside the Qt window draws the preview's caption in the window's glyphs, so
// its picture is the window's map image, caption band included.
#include <gtest/gtest.h>

#include <QFileDialog>

#include "app/Program.h"
#include "tests/cli/ImageDecoding.h"
#include "tests/cli/TrkconvRun.h"
#include "tests/cli/WindowReference.h"
#include "tests/support/TempDir.h"
#include "ui/qt/QtPlatform.h"

namespace tarmaxion {
namespace {

using testing::DecodePng;
using testing::ReadBytes;
using testing::RichTrack;
using testing::RunProgram;
using testing::RunWindow;
using testing::SamePixels;
using testing::TempDir;

constexpr int kMapRows = 512;
constexpr int kImageRows = 560;

TEST(QtCaptionTest, PreviewIsTheQtWindowsMapImageCaptionIncluded) {
  const TempDir dir;
  const auto track = dir.Write("rich.trk", RichTrack().Build());

  QtPlatform platform;
  platform.SetDialogRunner([&track](QFileDialog& dialog) {
    dialog.selectFile(QString::fromStdString(track));
    return int{QDialog::Accepted};
  });
  Program program(platform);
  program.StartUp();
  program.Dispatch({EventKind::kControl, kLoadButton});
  const Image* shown = program.Drawing().ImageAt(kMapImage);
  ASSERT_NE(shown, nullptr);

  // The program itself, which must make its own Qt application to draw the caption.
  const auto run = RunProgram({"preview", track}, dir.File(""));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  const auto image = DecodePng(ReadBytes(dir.File("rich.png")));
  ASSERT_TRUE(image);
  EXPECT_TRUE(SamePixels(*image, *shown, kImageRows));

  const auto headless = RunWindow(track);
  ASSERT_TRUE(headless.image);
  EXPECT_TRUE(SamePixels(*image, *headless.image, kMapRows));
  EXPECT_FALSE(SamePixels(*image, *headless.image, kImageRows)) << "the caption shows the box font";
  program.ShutDown();
}

}  // namespace
}  // namespace tarmaxion
