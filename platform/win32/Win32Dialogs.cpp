// The open and save dialogs on the wide-character calls: paths arrive and leave as UTF-8, so
// any file name the system allows round-trips, whatever its ANSI code page.
#include "platform/win32/Win32Platform.h"

#include <commdlg.h>

#include "platform/DialogPaths.h"
#include "system/win32/WideText.h"

namespace tarmaxion::win32 {
namespace {

// The path buffer holds MAX_PATH characters; a longer choice fails the dialog, which reads
// as a cancel.
constexpr std::size_t kPathCharacters = MAX_PATH;

// "description\0pattern\0...\0\0", as the dialog wants its filter.
std::wstring FilterOf(const std::vector<FileFilter>& filters) {
  std::wstring joined;
  for (const auto& filter : filters) {
    joined += WideFromWindows1252(filter.description);
    joined.push_back(L'\0');
    joined += WideFromWindows1252(filter.pattern);
    joined.push_back(L'\0');
  }
  joined.push_back(L'\0');
  return joined;
}

}  // namespace

std::optional<std::string> Win32Platform::FileDialog(const FileDialogRequest& request, DialogKind kind) {
  const DialogStart start = SplitDefaultPath(request.default_path);
  const std::wstring folder = WideFromUtf8(start.folder);
  const std::wstring title = WideFromWindows1252(request.title);
  const std::wstring filter = FilterOf(request.filters);

  std::wstring path(kPathCharacters, L'\0');
  const std::wstring file_name = WideFromUtf8(start.file_name);
  if (file_name.size() < kPathCharacters) path.replace(0, file_name.size(), file_name);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  // Owned by the main window, so the window is disabled while the dialog is open and no
  // second command can start underneath it.
  dialog.hwndOwner = window_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(request.selected_filter + 1);  // counted from 1
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(kPathCharacters);
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_EXPLORER;

  const BOOL chosen = kind == DialogKind::kSave ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (chosen == FALSE) return std::nullopt;
  return Utf8FromWide(path.c_str());
}

std::optional<std::string> Win32Platform::OpenFileDialog(const FileDialogRequest& request) {
  return FileDialog(request, DialogKind::kOpen);
}

std::optional<std::string> Win32Platform::SaveFileDialog(const FileDialogRequest& request) {
  return FileDialog(request, DialogKind::kSave);
}

}  // namespace tarmaxion::win32
