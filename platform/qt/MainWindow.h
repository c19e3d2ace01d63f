// The program's top-level window: fixed client size, title bar with a close box only. Closing
// it is a request the program answers; the window itself stays until it is deleted. Local
// files dropped anywhere on it are passed on; other drops are refused.
#pragma once

#include <QStringList>
#include <QWidget>

class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;

namespace tarmaxion {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow();

 signals:
  void closeRequested();
  // The local paths of a drop, in Qt's path form; never empty.
  void filesDropped(const QStringList& paths);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

}  // namespace tarmaxion
