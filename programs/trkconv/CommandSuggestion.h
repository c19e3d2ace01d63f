// The command a mistyped one most likely meant, for a usage message that helps.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tarmaxion::cli {

// The one command that word begins, else the command within two typing errors (a letter left
// out, added, changed or two swapped) of word, the nearest one first; nothing when none is near.
std::optional<std::string_view> NearestCommand(std::string_view word, std::span<const std::string_view> commands);

}  // namespace tarmaxion::cli
