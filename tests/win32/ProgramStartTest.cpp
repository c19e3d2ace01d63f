// The Windows program started with a track's path, as Explorer's "open" starts it: the name
// arrives whole from the wide command line, whatever the ANSI code page, and the track loads.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "system/win32/WideText.h"
#include "tests/support/TempDir.h"
#include "tools/builders/TrackBuilder.h"

namespace {

using tarmaxion::win32::WideFromUtf8;

constexpr int kLogPanel = 8;

struct Search {
  DWORD process;
  HWND window;
};

HWND MainWindowOf(DWORD process) {
  Search search{process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM found) {
        auto* wanted = reinterpret_cast<Search*>(found);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != wanted->process || GetDlgItem(window, kLogPanel) == nullptr) return TRUE;
        wanted->window = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.window;
}

// The text of another process's control, which only a message can fetch.
std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

TEST(ProgramStartTest, APathOnTheCommandLineLoadsThatTrack) {
  tarmaxion::testing::TempDir dir;
  tarmaxion::testing::TrackBuilder track;
  track.Landmap({0x0FF2, 0x0FF3}).Record(1, "Bob", 4567);
  // Cyrillic and Japanese: no ANSI code page spells both.
  const auto path = dir.Write("\xD1\x82\xD1\x80\xD0\xB0\xD1\x81\xD1\x81\xD0\xB0 \xE6\x9D\xB1.trk", track.Build());

  std::wstring command = L"\"" + WideFromUtf8(TARMAXION_PROGRAM_PATH) + L"\" \"" + WideFromUtf8(path) + L"\"";
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process));
  HWND window = nullptr;
  std::wstring log;
  for (int tries = 0; tries < 600 && log.find(L"_4567_Bob\r\n") == std::wstring::npos; ++tries) {
    Sleep(50);
    if (window == nullptr) window = MainWindowOf(process.dwProcessId);
    if (window != nullptr) log = TextOf(GetDlgItem(window, kLogPanel));
  }
  ASSERT_NE(window, nullptr) << "no window appeared";
  EXPECT_TRUE(log.ends_with(L"_4567_Bob\r\n")) << tarmaxion::win32::Utf8FromWide(log);

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exit_code = 1;
  GetExitCodeProcess(process.hProcess, &exit_code);
  EXPECT_EQ(exit_code, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
