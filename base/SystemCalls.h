// The few file-system and text services the standard library does not offer.
#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace tarmaxion {

// Renames from to to unless to exists, deciding both in one step of the file system, so two
// writers never both find a name free. std::errc::file_exists when to exists.
std::error_code RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

// The system's reason for an error number, in UTF-8 whatever encoding the user's locale uses.
std::string SystemReason(int error);

}  // namespace tarmaxion
