#include "platform/qt/MainWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace tarmaxion {
namespace {

// The local files and folders among a drag's URLs; the program decides which are files.
QStringList LocalPaths(const QMimeData* data) {
  QStringList paths;
  if (data == nullptr) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

}  // namespace

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setAcceptDrops(true);
}

// The program decides when the window goes away (after its event loop), so a close box
// click, Alt+F4 or a session request only tells it so.
void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeRequested();
}

// Only a drag that carries local paths shows that it may be dropped; text or web links do not.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalPaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalPaths(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  emit filesDropped(paths);
}

}  // namespace tarmaxion
