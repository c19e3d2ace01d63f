// Whole-file reading into a caller's buffer and replacing writes that never leave a
// half-written file behind. Paths are UTF-8 on every platform.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace tarmaxion {

enum class ReadProblem { kCannotOpen, kTooLarge, kReadShort };

// Why a folder cannot be read as a file.
inline constexpr const char* kFolderReason = "it is a folder";

struct ReadFailure {
  ReadProblem kind = ReadProblem::kCannotOpen;
  std::string message;  // the system's reason ("No such file or directory"), UTF-8
  // kReadShort: the bytes that did arrive at the start of the destination; 0 otherwise (the
  // destination is then untouched).
  std::size_t arrived = 0;
  std::uintmax_t reported_size = 0;  // the file's size as reported when it was opened
};

// The number of bytes read: the whole file.
using FileRead = Result<std::size_t, ReadFailure>;

// Reads the whole file into the start of destination with one read request. A file larger
// than destination is not read at all.
FileRead ReadWholeFile(std::string_view utf8_path, std::span<std::uint8_t> destination);

enum class WriteProblem { kIsFolder, kNotWritable, kExists, kWriteFailed };
// Why kExists refused a write.
inline constexpr const char* kExistsReason = "it exists already";
// The message is the system's reason, UTF-8.
using FileWrite = Outcome<Problem<WriteProblem>>;

// Whether utf8_path names a regular file (or a link to one); false for folders and for paths
// that name nothing.
bool IsFile(const std::string& utf8_path);

// What a write does when the target exists already.
enum class IfExists {
  kReplace,  // replace it, unless it is read-only
  kRefuse,   // keep it and fail with kExists; decided in one step, so two writers never both win
};

// Writes bytes to a temporary file beside the target and renames it onto the target only
// when every byte is on disk, so a failed write leaves an existing target as it was. An
// existing target that may not be written (a read-only file) is refused, not replaced. When
// the folder takes no new file but the existing target may be written, the target is emptied
// and written in place instead; only a failure in that write can leave it incomplete. An
// existing empty target is always written in place, so whoever holds it open reads the bytes.
FileWrite WriteFileReplacing(std::string_view utf8_path, std::span<const std::uint8_t> bytes,
                             IfExists if_exists = IfExists::kReplace);

}  // namespace tarmaxion
