// qt_screenshot <track> <png>: starts the program on the Qt window, loads the track through
// the "load" button with the dialog answered, and saves a picture of the window's client area.
#include <QApplication>
#include <QFileInfo>
#include <QPushButton>

#include <cstdio>

#include "app/Program.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: qt_screenshot <track> <png>\n");
    return 2;
  }
  const QString track = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  tarmaxion::QtPlatform platform;
  platform.SetDialogRunner([&track](QFileDialog& dialog) {
    dialog.selectFile(track);
    return int{QDialog::Accepted};
  });
  tarmaxion::Program program(platform);
  program.StartUp();
  qobject_cast<QPushButton*>(platform.Widget(tarmaxion::kLoadButton))->click();
  program.Dispatch(platform.WaitEvent());
  QApplication::processEvents();
  const bool saved = platform.Window()->grab().save(QString::fromLocal8Bit(argv[2]));
  program.ShutDown();
  if (!saved) std::fprintf(stderr, "qt_screenshot: cannot write %s\n", argv[2]);
  return saved ? 0 : 1;
}
