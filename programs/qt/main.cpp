// tarmaxion-converter: the program on the Qt window. Qt takes its own options from the command
// line; the paths left (a file manager's "open with" passes them) load as a drop of them.
#include <QApplication>
#include <QIcon>

#include <string>
#include <vector>

#include "programs/window/Program.h"
#include "platform/qt/QtPlatform.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  application.setWindowIcon(QIcon(QStringLiteral(":/tarmaxion.ico")));
  // QApplication has removed its options from argv. The rest are kept as the bytes the system
  // gave, as a drop passes its paths, so any name the file system holds opens. A process may be
  // started without even its own name.
  std::vector<std::string> paths;
  if (argc > 1) paths.assign(argv + 1, argv + argc);
  tarmaxion::QtPlatform platform;
  return tarmaxion::Program(platform).Run(paths);
}
