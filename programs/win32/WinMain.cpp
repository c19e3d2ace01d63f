// The Windows program: the Win32 platform wired to the program, whose result is the exit code.
// Paths on the command line (Explorer's "open" passes the track's) load as a drop of them. The
// GUI subsystem's start-up calls main like any other, so this file needs no <windows.h>.
#include "platform/win32/MakeWin32Platform.h"
#include "programs/window/Program.h"
#include "system/win32/WideText.h"

int main() {
  const auto platform = tarmaxion::win32::MakeWin32Platform();
  tarmaxion::Program program(*platform);
  return program.Run(tarmaxion::win32::Utf8Arguments());
}
