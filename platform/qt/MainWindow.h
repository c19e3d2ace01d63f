// The program's top-level window: fixed client size, title bar with a close box only. Closing
// it is a request the program answers; the window itself stays until it is deleted.
#pragma once

#include <QWidget>

class QCloseEvent;

namespace tarmaxion {

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow();

 signals:
  void closeRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace tarmaxion
