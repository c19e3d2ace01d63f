// Through CreateProcessW with inheritable file handles: the wide command line carries every
// name whole, which the ANSI calls and cmd.exe's quoting would not.
#include "tests/trkconv/RedirectedRun.h"

#include <windows.h>

#include "system/win32/WideText.h"

namespace tarmaxion::testing {
namespace {

using win32::WideFromUtf8;

// Quoted so that CommandLineToArgvW gives arg back: backslashes double only before a quote.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
  line.append(line.empty() ? L"\"" : L" \"");
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    line.push_back(c);
  }
  line.append(2 * backslashes, L'\\');
  line.push_back(L'"');
}

HANDLE CreateInheritable(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

int RunRedirected(const std::vector<std::string>& command, const std::string& out_file,
                  const std::string& err_file) {
  std::wstring line;
  for (const auto& arg : command) AppendQuoted(line, WideFromUtf8(arg));
  HANDLE out = CreateInheritable(out_file);
  HANDLE err = CreateInheritable(err_file);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process{};
  DWORD code = static_cast<DWORD>(-1);
  if (out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
      CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
  if (err != INVALID_HANDLE_VALUE) CloseHandle(err);
  return static_cast<int>(code);
}

}  // namespace tarmaxion::testing
