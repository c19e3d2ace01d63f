// The desktop's "Convert to version 1.05": one track file converted beside itself, under the
// name the window offers for its save, and never over a file that is there already.
#pragma once

#include <optional>
#include <string>

#include "base/ShownText.h"

namespace tarmaxion {

// Writes the version-1.05 copy of the track at utf8_path to ConvertedName(utf8_path). Returns
// nothing when the copy is written, otherwise the window's message saying why not: the file
// cannot be read whole, its version is refused, the track is damaged, or the copy cannot be
// written (also when a file of that name exists).
std::optional<ShownText> ConvertBeside(const std::string& utf8_path);

}  // namespace tarmaxion
