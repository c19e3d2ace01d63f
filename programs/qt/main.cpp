// tarmaxion-converter: the program on the Qt window. The command line is not read; Qt may
// take its own options from it.
#include <QApplication>
#include <QIcon>

#include "programs/window/Program.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setWindowIcon(QIcon(QStringLiteral(":/tarmaxion.ico")));
  tarmaxion::QtPlatform platform;
  return tarmaxion::Program(platform).Run();
}
