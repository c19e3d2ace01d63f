// Whole-file reading into a caller's buffer and replacing writes that never leave a
// half-written file behind. Paths are UTF-8 on every platform.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarmaxion {

enum class ReadStatus { kOk, kCannotOpen, kTooLarge, kReadShort };

struct FileReadResult {
  ReadStatus status = ReadStatus::kCannotOpen;
  // Bytes now in the destination: the file's size for kOk, what arrived for kReadShort,
  // 0 otherwise (the destination is then untouched).
  std::size_t size = 0;
  // The file's size as reported when it was opened (kTooLarge, kReadShort).
  std::uintmax_t reported_size = 0;
  std::string reason;  // why it failed, from the system ("No such file or directory")
};

// Reads the whole file into the start of destination with one read request. A file larger
// than destination is not read at all.
FileReadResult ReadWholeFile(std::string_view utf8_path, std::span<std::uint8_t> destination);

struct FileWriteResult {
  bool ok = false;
  std::string reason;  // why it failed, when it did
};

// Writes bytes to a temporary file beside the target and renames it over the target only
// when every byte is on disk, so a failed write leaves an existing target as it was. An
// existing target that may not be written (a read-only file) is refused, not replaced.
FileWriteResult WriteFileReplacing(std::string_view utf8_path, std::span<const std::uint8_t> bytes);

}  // namespace tarmaxion
