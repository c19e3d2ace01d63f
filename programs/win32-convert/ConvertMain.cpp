// tarmaxion-convert.exe: the program behind the "Convert to version 1.05" verb of .trk files.
// Explorer starts it with the track's path; it writes the copy beside the track and shows a
// message box only when it cannot. A GUI-subsystem program, so no console window flashes up.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "system/win32/WideText.h"
#include "programs/win32-convert/ConvertBeside.h"

namespace {

using tarmaxion::win32::Utf8FromWide;
using tarmaxion::win32::WideFromUtf8;

const std::wstring kVerbName = L"Convert to version 1.05";

// The box names the action in its title and the track above the window's message, since not all
// of the window's messages name it.
void ShowProblem(const std::wstring& track_path, const tarmaxion::ShownText& message) {
  const auto text = track_path.substr(track_path.find_last_of(L"\\/") + 1) + L"\n" + WideFromUtf8(message.Utf8());
  MessageBoxW(nullptr, text.c_str(), kVerbName.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace

// Exit code 0 when every track given was converted, 1 otherwise.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return 1;
  bool all_converted = count > 1;
  if (count <= 1) {
    MessageBoxW(nullptr, L"No track given: choose \"Convert to version 1.05\" on a .trk file.",
                kVerbName.c_str(), MB_OK | MB_ICONINFORMATION);
  }
  for (int i = 1; i < count; ++i) {
    const std::wstring path = arguments[i];
    if (const auto problem = tarmaxion::ConvertBeside(Utf8FromWide(path))) {
      ShowProblem(path, *problem);
      all_converted = false;
    }
  }
  LocalFree(arguments);
  return all_converted ? 0 : 1;
}
