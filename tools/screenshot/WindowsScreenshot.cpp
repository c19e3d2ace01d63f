// Runs the Windows program, loads a track and saves a picture of its window.
// Usage: windows_screenshot TRACK OUTPUT.bmp
// The load command gets TRACK as the open dialog's answer, the only thing this harness
// changes about the program.
// The program's header comes before <windows.h>, whose CreateWindow macro would rename a
// member of Program.
#include "programs/window/Program.h"
#include "tests/win32/AnsweringPlatform.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using tarmaxion::win32::AnsweringPlatform;

// Lets the program's window paint everything that is pending.
void PumpMessages(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  MSG message;
  while (GetTickCount() < end) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

// The window as it is on the screen, frame included, as a 24-bit bottom-up BMP file.
bool SaveWindowPicture(HWND window, const std::string& path) {
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
  SelectObject(memory, previous);

  BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  std::vector<char> pixels(stride * static_cast<std::size_t>(height));
  const int rows = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (rows != height) return false;

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&header), sizeof(header));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: windows_screenshot TRACK OUTPUT.bmp\n");
    return 2;
  }
  AnsweringPlatform platform(argv[1]);
  tarmaxion::Program program(platform);
  program.StartUp();
  HWND window = platform.MainWindow();
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(tarmaxion::kLoadButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, tarmaxion::kLoadButton)));
  program.Dispatch(platform.WaitEvent());
  SetForegroundWindow(window);
  PumpMessages(1500);
  const bool saved = SaveWindowPicture(window, argv[2]);
  program.ShutDown();
  if (!saved) std::fprintf(stderr, "could not save %s\n", argv[2]);
  return saved ? 0 : 1;
}
