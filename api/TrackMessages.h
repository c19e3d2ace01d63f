// The log messages of reading, checking and saving a track, in one place for the window, the
// track API and trkconv. Texts are Windows-1252; paths are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "base/Files.h"
#include "base/Text.h"

namespace tarmaxion {

// A track file is at most this long; it is always handled whole in memory.
inline constexpr std::size_t kMaxTrackFileSize = 1'000'000;

inline const Text kVersionCaution = "Caution: Version <> 1.05";

// The file part of a path in Windows-1252, as trkconv and the track API name files. The window
// spells names as its controls show them (Program::DisplayName).
Text DisplayName(const std::string& utf8_path);

// Why a file of size bytes is not taken as a track.
Text TooLargeMessage(const Text& file_name, std::uintmax_t size);

// What the log says about reading utf8_path, whose file part shows as name, or nothing when the
// read needs no word: the whole file arrived, or no file was chosen (a cancelled dialog is no
// error).
std::optional<Text> ReadMessage(const FileRead& read, const std::string& utf8_path, const Text& name);

// What the log says when several files were dropped on the window at once and only the first
// was loaded.
Text DroppedMessage(std::size_t count);

// Why the copy whose file part shows as name was not written; utf8_reason is the file
// functions' UTF-8 reason, converted here once.
Text NotSavedMessage(const Text& name, const std::string& utf8_reason);

}  // namespace tarmaxion
