// The few file-system and text services the standard library does not offer.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "base/Files.h"

namespace tarmaxion {

// Renames from to to unless to exists, deciding both in one step of the file system, so two
// writers never both find a name free: kExists when to exists, kWriteFailed with the system's
// reason when the rename fails otherwise.
FileWrite RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// The system's reason for an error number, in UTF-8 whatever encoding the user's locale uses.
std::string SystemReason(int error);
// The same for an error code: error numbers go through SystemReason; other codes (the
// system's own on Windows) already come as the library words them.
std::string SystemReason(const std::error_code& error);

}  // namespace tarmaxion
