// How a file dialog's default path becomes its initial folder and file name, and how its
// filter text becomes pairs; shared by every backend so they all behave alike.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Text.h"

namespace tarmaxion {

struct DialogStart {
  std::string folder;     // "" lets the system choose
  std::string file_name;  // "" when empty or not a valid file name
};

// Splits at the last "\" or "/": what precedes it is the folder, what follows the file name.
// Without one (or with one only at the first position) the whole text is the file name. The
// file name is dropped when it holds a control character or one of " * / : < > ? \ |.
DialogStart SplitDefaultPath(std::string_view default_path);

struct FilterPair {
  Text description;
  Text pattern;
};

// "trk|*.trk" gives one pair, description "trk" and pattern "*.trk".
std::vector<FilterPair> ParseFilter(std::string_view filter);

}  // namespace tarmaxion
