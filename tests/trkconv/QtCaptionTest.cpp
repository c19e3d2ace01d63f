// trkconv built beside the Qt window draws the preview's caption in the window's glyphs, so
// its picture is the window's map image, caption band included.
#include <gtest/gtest.h>

#include <QFileDialog>

#include "programs/window/Program.h"
#include "tests/trkconv/ShownCaptionCheck.h"
#include "platform/qt/QtPlatform.h"

namespace tarmaxion {
namespace {

TEST(QtCaptionTest, PreviewIsTheQtWindowsMapImageCaptionIncluded) {
  const testing::TempDir dir;
  const auto track = dir.Write("rich.trk", testing::RichTrack().Build());

  QtPlatform platform;
  platform.SetDialogRunner([&track](QFileDialog& dialog) {
    dialog.selectFile(QString::fromStdString(track));
    return int{QDialog::Accepted};
  });
  Program program(platform);
  program.StartUp();
  program.Dispatch({EventKind::kControl, kLoadButton});
  const Image* shown = program.Model().MapImage();
  ASSERT_NE(shown, nullptr);
  // The program itself, which must make its own Qt application to draw the caption.
  testing::ExpectPreviewIsTheShownImage(*shown, dir, track, "rich.png");
  program.ShutDown();
}

}  // namespace
}  // namespace tarmaxion
