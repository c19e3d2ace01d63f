#include "system/win32/MessageBoxText.h"

#include <windows.h>

#include "system/win32/WideText.h"

namespace tarmaxion::win32 {

void ShowMessageBox(const std::string& utf8_title, const std::string& utf8_text, MessageKind kind) {
  const UINT icon = kind == MessageKind::kWarning ? MB_ICONWARNING : MB_ICONINFORMATION;
  MessageBoxW(nullptr, WideFromUtf8(utf8_text).c_str(), WideFromUtf8(utf8_title).c_str(), MB_OK | icon);
}

}  // namespace tarmaxion::win32
