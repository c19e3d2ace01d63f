#include "programs/trkconv/windows/WindowsConsole.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "platform/win32/WideText.h"

namespace tarmaxion::cli {

std::vector<std::string> Utf8Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return {};
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(win32::Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

Utf8ConsoleOutput::Utf8ConsoleOutput() : previous_code_page_(GetConsoleOutputCP()) {
  if (previous_code_page_ != 0) SetConsoleOutputCP(CP_UTF8);
}

Utf8ConsoleOutput::~Utf8ConsoleOutput() {
  if (previous_code_page_ != 0) SetConsoleOutputCP(previous_code_page_);
}

}  // namespace tarmaxion::cli
