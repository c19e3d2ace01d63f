// The Windows program: the Win32 platform wired to the program, whose result is the exit code.
// Paths on the command line (Explorer's "open" passes the track's) load as a drop of them; a
// GUI program has no console to answer --help on, so a message box does. The GUI subsystem's
// start-up calls main like any other, so this file needs no <windows.h>.
#include "platform/win32/MakeWin32Platform.h"
#include "programs/window/CommandLine.h"
#include "programs/window/Program.h"
#include "system/win32/MessageBoxText.h"
#include "system/win32/WideText.h"

int main() {
  using tarmaxion::win32::MessageKind;
  using tarmaxion::win32::ShowMessageBox;
  const auto command_line = tarmaxion::ParseWindowCommandLine(tarmaxion::win32::Utf8Arguments());
  switch (command_line.action) {
    case tarmaxion::CommandLineAction::kHelp:
      ShowMessageBox("Tarmaxion Converter", tarmaxion::WindowUsage(), MessageKind::kInformation);
      return 0;
    case tarmaxion::CommandLineAction::kVersion:
      ShowMessageBox("Tarmaxion Converter", tarmaxion::WindowVersion(), MessageKind::kInformation);
      return 0;
    case tarmaxion::CommandLineAction::kWrong:
      ShowMessageBox("Tarmaxion Converter", command_line.problem + "\n\n" + tarmaxion::WindowUsage(),
                     MessageKind::kWarning);
      return tarmaxion::kWrongCommandLine;
    case tarmaxion::CommandLineAction::kOpen:
      break;
  }
  const auto platform = tarmaxion::win32::MakeWin32Platform();
  tarmaxion::Program program(*platform);
  return program.Run(command_line.paths);
}
