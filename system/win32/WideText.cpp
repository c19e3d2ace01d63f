#include "system/win32/WideText.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace tarmaxion::win32 {
namespace {

constexpr UINT kWindows1252 = 1252;

std::wstring Widen(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
  return wide;
}

// UTF-8 takes neither flags nor a replacement character; an ANSI code page takes both.
std::string Narrow(UINT code_page, DWORD flags, const char* replacement, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(code_page, flags, wide.data(), size, nullptr, 0, replacement, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, flags, wide.data(), size, narrow.data(), length, replacement, nullptr);
  return narrow;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) { return Widen(CP_UTF8, utf8); }

std::wstring WideFromWindows1252(TextView text) { return Widen(kWindows1252, {text.data(), text.size()}); }

std::string Utf8FromWide(std::wstring_view wide) { return Narrow(CP_UTF8, 0, nullptr, wide); }

std::string AnsiFromUtf8(std::string_view utf8) {
  return Narrow(CP_ACP, WC_NO_BEST_FIT_CHARS, "?", WideFromUtf8(utf8));
}

std::vector<std::string> Utf8Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return {};
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) args.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return args;
}

}  // namespace tarmaxion::win32
