// qt_screenshot <track> <png>: starts the program on the Qt window, loads the track through
// the "load" button with the dialog answered, and saves a picture of the window's client area.
// qt_screenshot --drop <track>... <png>: drops the tracks on the window instead, as a file
// manager would, so the picture shows what a drop of several files logs.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <cstdio>
#include <cstring>

#include "programs/window/Program.h"
#include "platform/qt/QtPlatform.h"

namespace {

QString AbsolutePath(const char* argument) { return QFileInfo(QString::fromLocal8Bit(argument)).absoluteFilePath(); }

// The drag enters the window first, as a real one does; the window then takes the drop.
void Drop(QWidget* window, const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  const QPoint middle(window->width() / 2, window->height() / 2);
  QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &enter);
  QDropEvent drop(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window, &drop);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const bool drop = argc >= 4 && std::strcmp(argv[1], "--drop") == 0;
  if (argc != 3 && !drop) {
    std::fprintf(stderr, "usage: qt_screenshot <track> <png>\n       qt_screenshot --drop <track>... <png>\n");
    return 2;
  }
  const char* picture = argv[argc - 1];
  tarmaxion::QtPlatform platform;
  const QString track = AbsolutePath(argv[1]);
  platform.SetDialogRunner([&track](QFileDialog& dialog) {
    dialog.selectFile(track);
    return int{QDialog::Accepted};
  });
  tarmaxion::Program program(platform);
  program.StartUp();
  if (drop) {
    QList<QUrl> urls;
    for (int i = 2; i < argc - 1; ++i) urls << QUrl::fromLocalFile(AbsolutePath(argv[i]));
    Drop(platform.Window(), urls);
  } else {
    qobject_cast<QPushButton*>(platform.Widget(tarmaxion::kLoadButton))->click();
  }
  program.Dispatch(platform.WaitEvent());
  QApplication::processEvents();
  const bool saved = platform.Window()->grab().save(QString::fromLocal8Bit(picture));
  program.ShutDown();
  if (!saved) std::fprintf(stderr, "qt_screenshot: cannot write %s\n", picture);
  return saved ? 0 : 1;
}
