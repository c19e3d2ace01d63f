// The Win32 platform for a program's entry, which need not see <windows.h> to start the window.
#pragma once

#include <memory>

#include "platform/Platform.h"

namespace tarmaxion::win32 {

std::unique_ptr<Platform> MakeWin32Platform();

}  // namespace tarmaxion::win32
