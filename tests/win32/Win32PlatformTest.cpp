// The Win32 platform driven for real: windows, controls and messages under Windows or Wine.
// The program's header comes before <windows.h>, whose CreateWindow macro would rename a
// member of Program.
#include "programs/window/Program.h"
#include "tests/win32/AnsweringPlatform.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "system/win32/DibPixels.h"
#include "system/win32/WideText.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowRun.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion::win32 {
namespace {

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string ClassOf(HWND window) {
  std::array<char, 64> name{};
  GetClassNameA(window, name.data(), static_cast<int>(name.size()));
  return name.data();
}

// Where a control sits in its parent's client area.
Rect PlaceOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The editor's items, whichever paragraph break the control reports, in the system's code page.
std::vector<std::string> LinesOf(HWND editor) {
  std::string text = WindowText(editor);
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back().push_back(text[i]);
    }
  }
  return lines;
}

// Windows-1252 lines as the controls hold them where the system's code page is 1252, as in
// these tests: byte for byte.
std::vector<std::string> InCodePage1252(const std::vector<Text>& lines) {
  std::vector<std::string> bytes;
  for (const auto& line : lines) bytes.emplace_back(line.begin(), line.end());
  return bytes;
}

// What a control paints into a width x height bitmap of ours.
Image PaintedBy(HWND control, int width, int height) {
  HDC dc = CreateCompatibleDC(nullptr);
  const BITMAPINFO info = TopDown32BitInfo(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  Image painted(width, height);
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) painted.Set(x, y, SwapRedBlue(pixels[y * width + x]));
  }
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return painted;
}

int DifferingPixels(const Image& a, const Image& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) differing += a.At(x, y) != b.At(x, y);
  }
  return differing;
}

class Win32PlatformTest : public ::testing::Test {
 protected:
  HWND Item(int id) const { return GetDlgItem(platform_.MainWindow(), id); }

  Win32Platform platform_;
};

class Win32ProgramTest : public Win32PlatformTest {
 protected:
  void SetUp() override { program_.StartUp(); }
  Program program_{platform_};
};

TEST_F(Win32ProgramTest, MainWindowHasItsTitleClientSizeAndFixedFrame) {
  HWND window = platform_.MainWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(WindowText(window), "Tarmaxion Rivivizevido 1.10 to 1.05");
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right - client.left, 1000);
  EXPECT_EQ(client.bottom - client.top, 720);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.left, 10);
  EXPECT_EQ(outer.top, 10);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), static_cast<DWORD>(WS_CAPTION | WS_SYSMENU));
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(Win32ProgramTest, FiveControlsWithTheirClassesPlacesAndTabStops) {
  struct Expected {
    int id;
    const char* window_class;
    Rect place;
    bool tab_stop;
  };
  const Expected controls[] = {
      {kInfoList, "RichEdit20A", {10, 10, 400, 600}, true},
      {kLogPanel, "Static", {10, 620, 400, 80}, false},
      {kMapView, "Static", {450, 10, 512, 560}, false},
      {kLoadButton, "Button", {450, 620, 50, 24}, true},
      {kSaveButton, "Button", {690, 620, 90, 24}, true},
  };
  for (const auto& expected : controls) {
    SCOPED_TRACE(expected.id);
    HWND control = Item(expected.id);
    ASSERT_NE(control, nullptr);
    EXPECT_STRCASEEQ(ClassOf(control).c_str(), expected.window_class);
    const Rect place = PlaceOf(control);
    EXPECT_EQ(place.x, expected.place.x);
    EXPECT_EQ(place.y, expected.place.y);
    EXPECT_EQ(place.width, expected.place.width);
    EXPECT_EQ(place.height, expected.place.height);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    EXPECT_EQ((style & WS_TABSTOP) != 0, expected.tab_stop);
    // The rich edit takes WM_SETFONT as its default format but need not answer WM_GETFONT.
    if (expected.id != kInfoList) {
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)),
                GetStockObject(DEFAULT_GUI_FONT));
    }
  }
  EXPECT_EQ(WindowText(Item(kLoadButton)), "load");
  EXPECT_EQ(WindowText(Item(kSaveButton)), "save as 1.05");
  EXPECT_EQ(WindowText(Item(kInfoList)), "");
}

TEST_F(Win32ProgramTest, LogPanelReadsFiveEmptyLinesThenReady) {
  EXPECT_EQ(WindowText(Item(kLogPanel)), "> \r\n> \r\n> \r\n> \r\n> \r\nready...\r\n");
}

TEST_F(Win32ProgramTest, EditorKeepsAnEmptyFirstItemAndForgetsItWhenCleared) {
  platform_.AppendLine(kInfoList, "");
  platform_.AppendLine(kInfoList, "one");
  platform_.AppendLine(kInfoList, "two \xE9");
  EXPECT_EQ(LinesOf(Item(kInfoList)), (std::vector<std::string>{"", "one", "two \xE9"}));

  platform_.ClearLines(kInfoList);
  EXPECT_EQ(WindowText(Item(kInfoList)), "");
  platform_.AppendLine(kInfoList, "first");
  platform_.AppendLine(kInfoList, "");
  platform_.AppendLine(kInfoList, "third");
  EXPECT_EQ(LinesOf(Item(kInfoList)), (std::vector<std::string>{"first", "", "third"}));
}

TEST_F(Win32ProgramTest, EditorTakesMoreThanTheDefaultLimit) {
  const Text line(1000, 'x');
  for (int i = 0; i < 80; ++i) platform_.AppendLine(kInfoList, line);
  EXPECT_GE(GetWindowTextLengthA(Item(kInfoList)), 80 * 1000);
}

TEST_F(Win32ProgramTest, ImageViewTakesTheImageSizeAndPaintsItsColours) {
  Image image(30, 20, Rgb(10, 20, 30));
  image.Set(0, 0, Rgb(255, 0, 0));
  image.Set(29, 19, Rgb(0, 0, 255));
  platform_.ShowImage(kMapView, &image);
  const Rect place = PlaceOf(Item(kMapView));
  EXPECT_EQ(place.x, 450);
  EXPECT_EQ(place.y, 10);
  EXPECT_EQ(place.width, 30);
  EXPECT_EQ(place.height, 20);

  EXPECT_EQ(DifferingPixels(PaintedBy(Item(kMapView), 30, 20), image), 0);
}

TEST_F(Win32ProgramTest, ButtonNotificationsBecomeControlEventsAndCloseOnlyAsks) {
  PostMessageA(platform_.MainWindow(), WM_COMMAND, MAKEWPARAM(kLoadButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(Item(kLoadButton)));
  // A command without a control (a menu or accelerator) is not a control event.
  PostMessageA(platform_.MainWindow(), WM_COMMAND, MAKEWPARAM(kSaveButton, 0), 0);
  PostMessageA(platform_.MainWindow(), WM_CLOSE, 0, 0);
  const Event click = platform_.WaitEvent();
  EXPECT_EQ(click.kind, EventKind::kControl);
  EXPECT_EQ(click.control_id, kLoadButton);
  EXPECT_EQ(platform_.WaitEvent().kind, EventKind::kClose);
  EXPECT_TRUE(IsWindow(platform_.MainWindow()));
}

TEST_F(Win32ProgramTest, TabAndShiftTabMoveTheFocusAlongTheTabStops) {
  HWND window = platform_.MainWindow();
  SetForegroundWindow(window);
  EXPECT_EQ(GetFocus(), Item(kLoadButton));  // from start-up, so Space loads at once
  SetFocus(Item(kInfoList));
  ASSERT_EQ(GetFocus(), Item(kInfoList));
  const auto press = [&](bool shift) {
    if (shift) PostMessageA(GetFocus(), WM_KEYDOWN, VK_SHIFT, 0);
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    PostMessageA(GetFocus(), WM_KEYUP, VK_TAB, 0);
    if (shift) PostMessageA(GetFocus(), WM_KEYUP, VK_SHIFT, 0);
    // A control event after the keys ends the wait once they are handled.
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kMapView, STN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(kMapView)));
    while (platform_.WaitEvent().control_id != kMapView) {
    }
  };
  press(false);
  EXPECT_EQ(GetFocus(), Item(kLoadButton));
  press(false);
  EXPECT_EQ(GetFocus(), Item(kSaveButton));
  EXPECT_EQ(WindowText(Item(kInfoList)), "");  // the tab went to the focus, not the text
}

// "&" is a character in the log, not a mnemonic that hides itself and underlines the next one:
// ten of them reach as far as ten ampersands do in the panel's font.
TEST_F(Win32ProgramTest, LogPanelShowsAmpersandsAsTheyAre) {
  const Text ampersands(10, '&');
  platform_.SetText(kLogPanel, ampersands);
  const Image painted = PaintedBy(Item(kLogPanel), 400, 20);
  int last_inked = -1;
  for (int y = 0; y < painted.Height(); ++y) {
    for (int x = 0; x < painted.Width(); ++x) {
      if (painted.At(x, y) != painted.At(399, 19)) last_inked = std::max(last_inked, x);
    }
  }
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Item(kLogPanel), WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32A(dc, ampersands.c_str(), 10, &extent);
  DeleteDC(dc);
  EXPECT_GT(last_inked, extent.cx * 9 / 10) << "text extent " << extent.cx;
}

// A drop as the shell sends it: the paths, wide, in a DROPFILES block the receiver frees.
void DropFiles(HWND window, const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const auto& path : paths) list += path + L'\0';
  list += L'\0';
  const std::size_t bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GHND, bytes);
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(block);
  PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
}

TEST_F(Win32ProgramTest, DroppedFilesArriveAsOneEventAndTheFirstLoads) {
  tarmaxion::testing::TempDir dir;
  tarmaxion::testing::TrackBuilder track;
  track.Landmap({0x0FF2, 0x0FF3}).Record(1, "Bob", 4567);
  const auto first = dir.Write("monza.trk", track.Build());
  const auto second = dir.Write("Rennen \xC3\x9F \xE2\x9C\x93.trk", track.Build());  // no code page spells it
  const auto extended = GetWindowLongPtrA(platform_.MainWindow(), GWL_EXSTYLE);
  EXPECT_NE(extended & WS_EX_ACCEPTFILES, 0);

  DropFiles(platform_.MainWindow(), {WideFromUtf8(first), WideFromUtf8(second)});
  const Event drop = platform_.WaitEvent();
  ASSERT_EQ(drop.kind, EventKind::kDrop);
  EXPECT_EQ(drop.paths, (std::vector<std::string>{first, second}));
  program_.Dispatch(drop);

  tarmaxion::testing::WindowRun chosen;
  chosen.Load(first);
  EXPECT_EQ(LinesOf(Item(kInfoList)), InCodePage1252(chosen.Lines()));
  const std::string log = WindowText(Item(kLogPanel));
  EXPECT_TRUE(log.ends_with("\r\nmonza_4567_Bob\r\nDropped 2 files: loaded the first, left out 1\r\n")) << log;
}

// Under a Cyrillic code page (the Windows tests run this one with a Russian locale) the window
// spells names in it, in the list, the log and the caption; elsewhere there is nothing to see.
TEST(Win32CodePageTest, FileNamesShowInTheSystemCodePage) {
  if (GetACP() != 1251) GTEST_SKIP() << "code page " << GetACP() << ", not 1251";
  tarmaxion::testing::TempDir dir;
  tarmaxion::testing::TrackBuilder track;
  track.Landmap({0x0FF2, 0x0FF3}).Record(1, "Bob", 4567);
  const auto path = dir.Write("\xD0\xA2\xD1\x80\xD0\xB0\xD1\x81\xD1\x81\xD0\xB0.trk", track.Build());  // Трасса
  AnsweringPlatform platform(path);
  Program program(platform);
  program.StartUp();
  program.Dispatch({EventKind::kControl, kLoadButton});
  const std::string cyrillic = "\xD2\xF0\xE0\xF1\xF1\xE0";  // the same name in code page 1251
  HWND window = platform.MainWindow();
  EXPECT_EQ(LinesOf(GetDlgItem(window, kInfoList))[0], cyrillic + ".trk   " + std::to_string(track.Build().size()) + " Bytes");
  const std::string log = WindowText(GetDlgItem(window, kLogPanel));
  EXPECT_TRUE(log.ends_with("\r\n" + cyrillic + "_4567_Bob\r\n")) << log;
  program.ShutDown();
}

TEST_F(Win32PlatformTest, WithoutAWindowWaitingEndsAtOnce) {
  EXPECT_EQ(platform_.WaitEvent().kind, EventKind::kClose);
}

TEST_F(Win32PlatformTest, FontsRenderBinaryGlyphsInATextSizedBox) {
  ASSERT_TRUE(platform_.Glyphs().LoadFont(1, "Lucida Console", 12));
  const GlyphMask wide = platform_.Glyphs().RenderText(1, "Bob 45.67");
  ASSERT_GT(wide.width, 0);
  ASSERT_GT(wide.height, 0);
  EXPECT_EQ(wide.ink.size(), static_cast<std::size_t>(wide.width * wide.height));
  int inked = 0;
  for (const auto value : wide.ink) inked += value != 0;
  EXPECT_GT(inked, 0);
  EXPECT_LT(inked, wide.width * wide.height);

  const GlyphMask blank = platform_.Glyphs().RenderText(1, "   ");
  EXPECT_GT(blank.width, 0);
  for (const auto value : blank.ink) EXPECT_EQ(value, 0);

  EXPECT_EQ(platform_.Glyphs().RenderText(1, "").width, 0);
  EXPECT_EQ(platform_.Glyphs().RenderText(7, "unknown font").width, 0);
}

// A load through the real controls: the list, the log and the map view show what the program
// made, and the view paints the map image pixel for pixel.
TEST(Win32ProgramLoadTest, LoadFillsTheRealControlsAndTheViewPaintsTheMap) {
  tarmaxion::testing::TempDir dir;
  tarmaxion::testing::TrackBuilder track;
  track.WaterLevel(30).Heights(10).Landmap({0x0FF2, 0x0FF3}).Object(3, 200, 300);
  track.Record(0, "Ace", 2345).Record(1, "Bob", 4567).CarName(1, "Rocket");
  const auto path = dir.Write("monza.trk", track.Build());

  AnsweringPlatform platform(path);
  Program program(platform);
  program.StartUp();
  program.Dispatch({EventKind::kControl, kLoadButton});

  HWND window = platform.MainWindow();
  const auto lines = LinesOf(GetDlgItem(window, kInfoList));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "monza.trk   " + std::to_string(track.Build().size()) + " Bytes");
  EXPECT_EQ(lines[1], "Tarmaxion 1.10");
  const std::string log = WindowText(GetDlgItem(window, kLogPanel));
  EXPECT_TRUE(log.ends_with("\r\nmonza_4567_Bob\r\n")) << log;

  const Image* map = program.Model().MapImage();
  ASSERT_NE(map, nullptr);
  const Rect view = PlaceOf(GetDlgItem(window, kMapView));
  EXPECT_EQ(view.width, 512);
  EXPECT_EQ(view.height, 560);
  EXPECT_EQ(DifferingPixels(PaintedBy(GetDlgItem(window, kMapView), 512, 560), *map), 0);
  program.ShutDown();
}

// This process's top-level window with the title, or null; tests may run side by side.
HWND OurWindowTitled(const char* title) {
  struct Search {
    const char* title;
    HWND found;
  } search{title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<Search*>(data);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId() || WindowText(window) != search->title) return TRUE;
        search->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The whole program under its real window: a close request ends it with exit code 0.
TEST(Win32ProgramRunTest, CloseRequestEndsTheProgramWithExitCodeZero) {
  std::thread closer([] {
    for (int tries = 0; tries < 500; ++tries) {
      if (HWND window = OurWindowTitled("Tarmaxion Rivivizevido 1.10 to 1.05")) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return;
      }
      Sleep(20);
    }
  });
  Win32Platform platform;
  const int exit_code = Program(platform).Run();
  closer.join();
  EXPECT_EQ(exit_code, 0);
  EXPECT_EQ(platform.MainWindow(), nullptr);
}

}  // namespace
}  // namespace tarmaxion::win32
