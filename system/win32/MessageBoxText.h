// A message box for programs without a console, which cannot answer on a standard stream.
#pragma once

#include <string>

namespace tarmaxion::win32 {

enum class MessageKind { kInformation, kWarning };

void ShowMessageBox(const std::string& utf8_title, const std::string& utf8_text, MessageKind kind);

}  // namespace tarmaxion::win32
