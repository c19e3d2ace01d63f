// The Windows program: the Win32 platform wired to the program, whose result is the exit code.
// Paths on the command line (Explorer's "open" passes the track's) load as a drop of them.
// The program's header comes before <windows.h>, whose CreateWindow macro would rename a
// member of Program.
#include "programs/window/Program.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/WideText.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tarmaxion::win32::Win32Platform platform;
  tarmaxion::Program program(platform);
  return program.Run(tarmaxion::win32::Utf8Arguments());
}
