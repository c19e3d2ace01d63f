// The process working directory, as the open dialog's first folder.
#pragma once

#include <string>

namespace tarmaxion {

// UTF-8, with the platform's separator appended when missing ("" when it cannot be read).
std::string CurrentDirectory();

}  // namespace tarmaxion
