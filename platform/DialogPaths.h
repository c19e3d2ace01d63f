// How a file dialog's default path becomes its initial folder and file name; shared by every
// backend so they all behave alike.
#pragma once

#include <string>
#include <string_view>

namespace tarmaxion {

struct DialogStart {
  std::string folder;     // "" lets the system choose
  std::string file_name;  // "" when empty or not a valid file name
};

// Splits at the last "\" or "/": what precedes it is the folder, what follows the file name.
// Without one (or with one only at the first position) the whole text is the file name. The
// file name is dropped when it holds a control character or one of " * / : < > ? \ |.
DialogStart SplitDefaultPath(std::string_view default_path);

}  // namespace tarmaxion
