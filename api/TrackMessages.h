// The log messages of reading, checking and saving a track, in one place for every front end.
// A message keeps file names and the system's reasons in UTF-8 and the window's own words in
// Windows-1252 (ShownText), so each front end spells it once, at its display.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/Files.h"
#include "base/ShownText.h"
#include "base/Text.h"

namespace tarmaxion {

// A track file is at most this long; it is always handled whole in memory.
inline constexpr std::size_t kMaxTrackFileSize = 1'000'000;

inline const Text kVersionCaution = "Caution: Version <> 1.05";
inline const Text kReady = "ready...";
inline const Text kSaved = "saved";
inline const Text kNothingToSave = "Nothing to save: load a track first";

// Why a file of size bytes is not taken as a track.
ShownText TooLargeMessage(std::string_view utf8_file_name, std::uintmax_t size);

// What the log says about reading utf8_path, or nothing when the read needs no word: the whole
// file arrived, or no file was chosen (a cancelled dialog is no error).
std::optional<ShownText> ReadMessage(const FileRead& read, std::string_view utf8_path);

// What the log says when several files were dropped on the window at once and only the first
// was loaded.
// Where the files of a drop that do not load go: nowhere in a window, into the list on the page.
enum class DropRest { kLeftOut, kListed };
Text DroppedMessage(std::size_t count, DropRest rest);

// Why the copy at utf8_path was not written, with the file functions' reason.
ShownText NotSavedMessage(std::string_view utf8_path, std::string_view utf8_reason);

}  // namespace tarmaxion
