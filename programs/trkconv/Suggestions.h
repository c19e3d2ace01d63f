// The word a user most likely meant: for a mistyped command or option, the one it begins, else
// the nearest by typing errors.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarmaxion::cli {

// The one choice that word begins, else the nearest within two typing errors (a letter left
// out, added or changed, or two neighbours swapped), else nothing.
std::optional<std::string> NearestWord(std::string_view word, const std::vector<std::string>& choices);

}  // namespace tarmaxion::cli
