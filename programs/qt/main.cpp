// tarmaxion-converter: the program on the Qt window. Its own options are answered before Qt
// starts, so --help and --version need no display; the paths (a file manager's "open with"
// passes them) load as a drop of them. Qt takes its settings from the environment
// (QT_QPA_PLATFORM, ...), not from this command line, so no file name is mistaken for one.
#include <QApplication>
#include <QIcon>

#include <iostream>
#include <string>
#include <vector>

#include "base/LocaleCodePage.h"
#include "platform/qt/QtPlatform.h"
#include "programs/window/CommandLine.h"
#include "programs/window/Program.h"

int main(int argc, char* argv[]) {
  // The arguments are kept as the bytes the system gave, as a drop passes its paths, so any
  // name the file system holds opens. A process may be started without even its own name.
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  const auto command_line = tarmaxion::ParseWindowCommandLine(arguments);
  switch (command_line.action) {
    case tarmaxion::CommandLineAction::kHelp:
      std::cout << tarmaxion::WindowUsage();
      return 0;
    case tarmaxion::CommandLineAction::kVersion:
      std::cout << tarmaxion::WindowVersion();
      return 0;
    case tarmaxion::CommandLineAction::kWrong:
      std::cerr << "tarmaxion-converter: " << command_line.problem << "\n\n" << tarmaxion::WindowUsage();
      return tarmaxion::kWrongCommandLine;
    case tarmaxion::CommandLineAction::kOpen:
      break;
  }
  int qt_argc = argc > 0 ? 1 : 0;
  QApplication application(qt_argc, argv);
  application.setWindowIcon(QIcon(QStringLiteral(":/tarmaxion.ico")));
  tarmaxion::QtPlatform platform;
  tarmaxion::Program program(platform);
  // Tracks are most likely made on a Windows in the user's language.
  program.ReadTracksIn(command_line.code_page.value_or(tarmaxion::CodePageOfEnvironment()));
  return program.Run(command_line.paths);
}
