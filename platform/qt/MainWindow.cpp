#include "platform/qt/MainWindow.h"

#include <QCloseEvent>

namespace tarmaxion {

MainWindow::MainWindow()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {}

// The program decides when the window goes away (after its event loop), so a close box
// click, Alt+F4 or a session request only tells it so.
void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  emit closeRequested();
}

}  // namespace tarmaxion
