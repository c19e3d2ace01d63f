// The file dialogs driven for real: a helper thread finds the dialog, reads what it shows,
// types a name or presses a button, and the dialog's answer is checked.
#include "platform/win32/Win32Platform.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "tests/support/TempDir.h"
#include "system/win32/WideText.h"

namespace tarmaxion::win32 {
namespace {

namespace fs = std::filesystem;

// Control ids of the common file dialog: file name box (combo or edit), file type list.
constexpr int kFileNameCombo = 0x47C;
constexpr int kFileNameEdit = 0x480;
constexpr int kFileTypeList = 0x470;

std::wstring WideTextOf(HWND window) {
  std::array<wchar_t, 512> text{};
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

// This process's visible dialog box, or null.
HWND OpenDialogBox() {
  HWND found = nullptr;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        std::array<char, 16> name{};
        GetClassNameA(window, name.data(), static_cast<int>(name.size()));
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != GetCurrentProcessId() || std::string(name.data()) != "#32770" ||
            !IsWindowVisible(window)) {
          return TRUE;
        }
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The dialog box once it is open, waiting up to five seconds; null when none came.
HWND WaitForDialog() {
  for (int tries = 0; tries < 250; ++tries) {
    if (HWND box = OpenDialogBox()) return box;
    Sleep(20);
  }
  return nullptr;
}

// What the helper saw of the dialog while it was open.
struct Seen {
  std::wstring title;
  std::wstring first_file_type;
  std::wstring file_name;
  HWND owner = nullptr;
  bool owner_disabled = false;
  bool still_open_after_answer = false;
};

class Win32DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_.CreateMainWindow({10, 10, 300, 200}, "dialog owner");
    folder_ = dir_.Path() / u8"Strecken \u00e4 \u2713";
    fs::create_directories(folder_);
  }

  // Runs the dialog while a helper looks at it and then answers with `answer`: a file name
  // to type before pressing OK, or nothing to press Cancel.
  std::optional<std::string> Run(const std::function<std::optional<std::string>()>& dialog,
                                 const std::wstring* answer) {
    std::thread helper([&] {
      HWND box = WaitForDialog();
      if (box == nullptr) return;
      seen_.title = WideTextOf(box);
      seen_.owner = GetWindow(box, GW_OWNER);
      seen_.owner_disabled = !IsWindowEnabled(platform_.MainWindow());
      std::array<wchar_t, 64> type{};
      SendDlgItemMessageW(box, kFileTypeList, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(type.data()));
      seen_.first_file_type = type.data();
      HWND name_box = GetDlgItem(box, kFileNameCombo);
      if (name_box == nullptr) name_box = GetDlgItem(box, kFileNameEdit);
      seen_.file_name = WideTextOf(name_box);
      if (answer != nullptr) SetWindowTextW(name_box, answer->c_str());
      PostMessageW(box, WM_COMMAND, answer != nullptr ? IDOK : IDCANCEL, 0);
      // A question about replacing the file would keep a dialog open; answer it with Cancel.
      Sleep(500);
      if (HWND left = OpenDialogBox()) {
        seen_.still_open_after_answer = true;
        PostMessageW(left, WM_COMMAND, IDCANCEL, 0);
      }
    });
    const auto result = dialog();
    helper.join();
    return result;
  }

  std::string Utf8(const fs::path& path) const {
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
  }

  testing::TempDir dir_;
  fs::path folder_;
  Win32Platform platform_;
  Seen seen_;
};

TEST_F(Win32DialogTest, OpenStartsInTheFolderAndReturnsAPathOutsideTheCodePage) {
  const fs::path track = folder_ / u8"Rennen \u00df \u2713.trk";
  std::ofstream(track) << "x";
  const std::wstring typed = WideFromUtf8(Utf8(track.filename()));
  const FileDialogRequest request{"Select Track", Utf8(folder_) + "\\", {{"trk", "*.trk"}}};
  const auto chosen = Run([&] { return platform_.OpenFileDialog(request); }, &typed);
  EXPECT_EQ(seen_.title, L"Select Track");
  EXPECT_EQ(seen_.first_file_type, L"trk");
  EXPECT_EQ(seen_.owner, platform_.MainWindow());
  EXPECT_TRUE(seen_.owner_disabled);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(fs::path(std::u8string(chosen->begin(), chosen->end())), track);
  EXPECT_TRUE(IsWindowEnabled(platform_.MainWindow()));
}

TEST_F(Win32DialogTest, OpenAcceptsANameThatDoesNotExist) {
  const std::wstring typed = L"missing.trk";
  const FileDialogRequest request{"Select Track", Utf8(folder_) + "\\", {{"trk", "*.trk"}}};
  const auto chosen = Run([&] { return platform_.OpenFileDialog(request); }, &typed);
  EXPECT_FALSE(seen_.still_open_after_answer);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(fs::path(std::u8string(chosen->begin(), chosen->end())), folder_ / "missing.trk");
}

TEST_F(Win32DialogTest, SaveOffersTheDefaultNameAndReplacesWithoutAsking) {
  const fs::path existing = folder_ / u8"Rennen \u00df_c.trk";
  std::ofstream(existing) << "old";
  const FileDialogRequest request{"Save Track", Utf8(existing), {{"trk", "*.trk"}}};
  const std::wstring keep = WideFromUtf8(Utf8(existing.filename()));
  const auto chosen = Run([&] { return platform_.SaveFileDialog(request); }, &keep);
  EXPECT_EQ(seen_.title, L"Save Track");
  EXPECT_EQ(seen_.file_name, keep);
  EXPECT_FALSE(seen_.still_open_after_answer);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(fs::path(std::u8string(chosen->begin(), chosen->end())), existing);
}

TEST_F(Win32DialogTest, CancelGivesNothingAndTheFocusGoesBackToItsControl) {
  platform_.CreateButton(1, {10, 10, 50, 24}, "one");
  platform_.CreateButton(2, {70, 10, 50, 24}, "two");
  platform_.Focus(2);
  const FileDialogRequest request{"Select Track", Utf8(folder_) + "\\", {{"trk", "*.trk"}}};
  EXPECT_EQ(Run([&] { return platform_.OpenFileDialog(request); }, nullptr), std::nullopt);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  EXPECT_EQ(GetFocus(), GetDlgItem(platform_.MainWindow(), 2));
}

}  // namespace
}  // namespace tarmaxion::win32
