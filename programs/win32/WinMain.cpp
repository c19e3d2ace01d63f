// The Windows program: the Win32 platform wired to the program, whose result is the exit code.
// The program's header comes before <windows.h>, whose CreateWindow macro would rename a
// member of Program.
#include "programs/window/Program.h"
#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tarmaxion::win32::Win32Platform platform;
  tarmaxion::Program program(platform);
  return program.Run();
}
