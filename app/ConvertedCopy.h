// The version-1.05 copy of a track file made without a window: exactly the bytes that "save
// as 1.05" writes after "load", that is the file with its object types remapped and byte 0
// set to 5. Nothing but the file decides them, so a batch reuses one buffer for every track.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "ui/Text.h"

namespace tarmaxion {

struct ConvertedCopy {
  std::span<const std::uint8_t> bytes;  // the copy, inside the caller's buffer
  Text problem;  // why there is no copy, as the window logs it; empty when there is one
};

// Reads the track at utf8_path into buffer, which should hold kMaxTrackFileSize bytes (a
// smaller one takes only smaller files), and turns it into the copy in place. What the buffer
// held before never shows in the copy.
ConvertedCopy MakeConvertedCopy(const std::string& utf8_path, std::span<std::uint8_t> buffer);

}  // namespace tarmaxion
