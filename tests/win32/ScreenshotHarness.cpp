// Runs the Windows program on a sample track and saves a picture of its window.
// Usage: windows_screenshot OUTPUT.bmp
// The sample track is written beside OUTPUT; the load command gets its path as the open
// dialog's answer, the only thing this harness changes about the program.
// The program's header comes before <windows.h>, whose CreateWindow macro would rename a
// member of Program.
#include "app/Program.h"
#include "tests/win32/AnsweringPlatform.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/TrackBuilder.h"

namespace {

using tarmaxion::testing::TrackBuilder;
using tarmaxion::win32::AnsweringPlatform;

// Terrain of map cell (x, y), y counted upward: a ring road with kerbs on grass and sand.
std::uint16_t TerrainAt(int x, int y) {
  const double dx = (x - 256) / 200.0, dy = (y - 256) / 150.0;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d > 0.82 && d < 0.95) return (d < 0.835 || d > 0.935) ? ((x / 6 + y / 6) % 2 ? 11 : 9) : 0;
  if (d > 1.15) return 5;
  return 2;
}

std::vector<std::uint16_t> RingRoadRuns() {
  std::vector<std::uint16_t> runs;
  for (int y = 0; y < 512; ++y) {
    int x = 0;
    while (x < 512) {
      const std::uint16_t code = TerrainAt(x, y);
      int end = x + 1;
      while (end < 512 && TerrainAt(end, y) == code) ++end;
      runs.push_back(static_cast<std::uint16_t>((end - x) << 4 | code));
      x = end;
    }
  }
  return runs;
}

TrackBuilder SampleTrack() {
  TrackBuilder track;
  track.WorldSize(100).WaterLevel(40).Landmap(RingRoadRuns()).Heights(90);
  for (int row = 28; row < 36; ++row) {
    for (int column = 26; column < 38; ++column) track.Height(row * 64 + column, 20);
  }
  for (int k = 0; k < 12; ++k) {
    const double angle = k * 3.14159265 / 6;
    const auto x = static_cast<std::int16_t>(512 + 400 * std::cos(angle));
    const auto y = static_cast<std::int16_t>(512 + 300 * std::sin(angle));
    track.Object(static_cast<std::int8_t>(1 + k % 8), x, y, static_cast<std::uint8_t>(k * 20));
  }
  track.Author("Harness").TrackLength(2400);
  track.Record(0, "Ace", 4321).Record(1, "Bob", 4567).Record(2, "Cy", 4710);
  track.CarName(0, "Rocket").CarName(1, "Comet").CarName(2, "Falcon");
  return track;
}

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
  if (argc != 2) {
    std::fprintf(stderr, "usage: windows_screenshot OUTPUT.bmp\n");
    return 2;
  }
  const std::filesystem::path picture = argv[1];
  const auto track_path = picture.parent_path() / "monza.trk";
  const auto bytes = SampleTrack().Build();
  std::ofstream(track_path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

  AnsweringPlatform platform(track_path.string());
  tarmaxion::Program program(platform);
  program.StartUp();
  HWND window = platform.MainWindow();
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(tarmaxion::kLoadButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, tarmaxion::kLoadButton)));
  program.Dispatch(platform.WaitEvent());
  SetForegroundWindow(window);
  PumpMessages(1500);
  const bool saved = SaveWindowPicture(window, picture.string());
  program.ShutDown();
  if (!saved) std::fprintf(stderr, "could not save %s\n", picture.string().c_str());
  return saved ? 0 : 1;
}
