// The log messages of reading, checking and saving a track, in one place for the window and
// for the copies trkconv makes without it. Texts are Windows-1252; paths are UTF-8.
#pragma once

#include <optional>
#include <string>

#include "ui/Files.h"
#include "ui/Text.h"

namespace tarmaxion {

inline const Text kVersionCaution = "Caution: Version <> 1.05";

// The file part of a path, as the log and the info list show file names.
Text DisplayName(const std::string& utf8_path);

// What the log says about reading utf8_path, or nothing when the read needs no word: the whole
// file arrived, or no file was chosen (a cancelled dialog is no error).
std::optional<Text> ReadMessage(const FileReadResult& read, const std::string& utf8_path);

// Why the copy chosen as utf8_path was not written.
Text NotSavedMessage(const std::string& utf8_path, const std::string& reason);

}  // namespace tarmaxion
