#include "base/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "base/NativePath.h"
#include "base/SystemCalls.h"

namespace tarmaxion {
namespace fs = std::filesystem;
namespace {

// A name in the target's folder that no other save is likely to pick at the same time: two
// batches writing the same copy must never share a temporary file, so the number has 64 bits.
// The system's entropy seeds one generator per thread: asking it for every save costs more
// than a batch of small saves takes otherwise.
fs::path TemporaryBeside(const fs::path& target) {
  thread_local std::mt19937_64 numbers(std::random_device{}());
  auto name = target.filename();
  name += ".tmp" + std::to_string(numbers());
  return target.parent_path() / name;
}

FileWrite Failed(WriteProblem kind, std::string reason) {
  return Problem<WriteProblem>{kind, std::move(reason)};
}

// A file that cannot be opened gives kNotWritable; one that takes not every byte, kWriteFailed.
FileWrite WriteAll(const fs::path& path, std::span<const std::uint8_t> bytes) {
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return Failed(WriteProblem::kNotWritable, SystemReason(errno));
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.flush();
  const int write_error = errno;
  out.close();
  if (!out) {
    return Failed(WriteProblem::kWriteFailed, write_error != 0 ? SystemReason(write_error) : "the write failed");
  }
  return Done{};
}

// Renames from onto to, replacing whatever file is there.
FileWrite MoveOnto(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  if (error) return Failed(WriteProblem::kWriteFailed, SystemReason(error));
  return Done{};
}

// Whether an existing file may be written in place. A mode that lets nobody write it marks it
// read-only by its owner's choice, which holds even for a user the system lets write anything
// (root, an administrator). Otherwise opening it to append, which changes nothing in it, asks
// the system.
FileWrite CheckWritable(const fs::path& path, fs::perms permissions) {
  constexpr auto kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  if ((permissions & kAnyWrite) == fs::perms::none) return Failed(WriteProblem::kNotWritable, SystemReason(EACCES));
  errno = 0;
  std::ofstream probe(path, std::ios::binary | std::ios::app);
  if (!probe) return Failed(WriteProblem::kNotWritable, SystemReason(errno));
  return Done{};
}

}  // namespace

bool IsFile(const std::string& utf8_path) {
  std::error_code error;
  return fs::is_regular_file(NativePath(utf8_path), error);
}

FileRead ReadWholeFile(std::string_view utf8_path, std::span<std::uint8_t> destination) {
  const auto cannot_open = [](std::string reason) { return ReadFailure{ReadProblem::kCannotOpen, std::move(reason)}; };
  if (utf8_path.empty()) return cannot_open("no file chosen");
  const auto path = NativePath(utf8_path);
  std::error_code error;
  const auto kind = fs::status(path, error);
  if (fs::is_directory(kind)) return cannot_open(kFolderReason);
  // A pipe or device could block or never end; a track is always a plain file.
  if (fs::exists(kind) && !fs::is_regular_file(kind)) return cannot_open("it is not a regular file");
  errno = 0;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) return cannot_open(SystemReason(errno));
  const auto end = in.tellg();
  if (end < 0) return cannot_open("its size cannot be read");
  const auto reported_size = static_cast<std::uintmax_t>(end);
  if (reported_size > destination.size()) {
    return ReadFailure{ReadProblem::kTooLarge, "the file is too large", 0, reported_size};
  }
  in.seekg(0);
  in.read(reinterpret_cast<char*>(destination.data()), static_cast<std::streamsize>(end));
  const auto arrived = static_cast<std::size_t>(in.gcount());
  if (arrived != reported_size) {
    return ReadFailure{ReadProblem::kReadShort, "the file ended early", arrived, reported_size};
  }
  return arrived;
}

FileWrite WriteFileReplacing(std::string_view utf8_path, std::span<const std::uint8_t> bytes,
                             IfExists if_exists) {
  auto target = NativePath(utf8_path);
  std::error_code error;
  const auto existing = fs::status(target, error);
  if (fs::is_directory(existing)) return Failed(WriteProblem::kIsFolder, "it is a folder");
  const bool exists = fs::exists(existing);
  if (exists && if_exists == IfExists::kRefuse) return Failed(WriteProblem::kExists, kExistsReason);
  if (exists && !fs::is_regular_file(existing)) {
    // A device or pipe cannot be replaced by renaming; it takes the bytes directly.
    return WriteAll(target, bytes);
  }
  if (exists) {
    // Replace what a link points at, not the link itself.
    if (auto resolved = fs::canonical(target, error); !error) target = std::move(resolved);
    // Renaming over a file needs only the folder's permission; a file the user may not write
    // stays as it is, as it would with a write in place.
    if (auto writable = CheckWritable(target, existing.permissions()); !writable) return writable;
  }
  if (exists && fs::file_size(target, error) == 0 && !error) {
    // An empty file is a name its maker reserved for this output, and it may read the result
    // back through the handle it still holds (a thumbnail service does): a rename would leave
    // that handle on the old, empty file. With nothing in it, a write in place risks nothing.
    return WriteAll(target, bytes);
  }
  const auto temporary = TemporaryBeside(target);
  if (auto written = WriteAll(temporary, bytes); !written) {
    fs::remove(temporary, error);
    // A folder that takes no new file may still hold a file its user may write: that file
    // can only be replaced by writing it in place.
    if (exists && written.Failure().kind == WriteProblem::kNotWritable) return WriteAll(target, bytes);
    return written;
  }
  if (exists) fs::permissions(temporary, existing.permissions(), error);
  auto moved = if_exists == IfExists::kRefuse ? RenameNoReplace(temporary, target) : MoveOnto(temporary, target);
  if (!moved) fs::remove(temporary, error);
  return moved;
}

}  // namespace tarmaxion
