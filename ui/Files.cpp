#include "ui/Files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace tarmaxion {
namespace fs = std::filesystem;
namespace {

fs::path NativePath(std::string_view utf8_path) {
  return fs::path(std::u8string(utf8_path.begin(), utf8_path.end()));
}

std::string SystemReason(int error) { return std::generic_category().message(error); }

// A name in the target's folder that no other save is likely to pick at the same time.
fs::path TemporaryBeside(const fs::path& target) {
  std::random_device entropy;
  auto name = target.filename();
  name += ".tmp" + std::to_string(entropy() % 1000000u);
  return target.parent_path() / name;
}

FileWriteResult WriteAll(const fs::path& path, std::span<const std::uint8_t> bytes) {
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return {false, SystemReason(errno)};
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.flush();
  const int write_error = errno;
  out.close();
  if (!out) return {false, write_error != 0 ? SystemReason(write_error) : "the write failed"};
  return {true, {}};
}

// Whether an existing file may be written in place. Opening it to append changes nothing in it.
FileWriteResult CheckWritable(const fs::path& path) {
  errno = 0;
  std::ofstream probe(path, std::ios::binary | std::ios::app);
  if (!probe) return {false, SystemReason(errno)};
  return {true, {}};
}

}  // namespace

FileReadResult ReadWholeFile(std::string_view utf8_path, std::span<std::uint8_t> destination) {
  FileReadResult result;
  const auto path = NativePath(utf8_path);
  std::error_code error;
  if (utf8_path.empty()) {
    result.reason = "no file chosen";
    return result;
  }
  const auto kind = fs::status(path, error);
  if (fs::is_directory(kind)) {
    result.reason = "it is a folder";
    return result;
  }
  if (fs::exists(kind) && !fs::is_regular_file(kind)) {
    // A pipe or device could block or never end; a track is always a plain file.
    result.reason = "it is not a regular file";
    return result;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    result.reason = SystemReason(errno);
    return result;
  }
  const auto end = in.tellg();
  if (end < 0) {
    result.reason = "its size cannot be read";
    return result;
  }
  result.reported_size = static_cast<std::uintmax_t>(end);
  if (result.reported_size > destination.size()) {
    result.status = ReadStatus::kTooLarge;
    return result;
  }
  in.seekg(0);
  in.read(reinterpret_cast<char*>(destination.data()), static_cast<std::streamsize>(end));
  result.size = static_cast<std::size_t>(in.gcount());
  result.status = result.size == result.reported_size ? ReadStatus::kOk : ReadStatus::kReadShort;
  if (result.status == ReadStatus::kReadShort) result.reason = "the file ended early";
  return result;
}

FileWriteResult WriteFileReplacing(std::string_view utf8_path,
                                   std::span<const std::uint8_t> bytes) {
  auto target = NativePath(utf8_path);
  std::error_code error;
  const auto existing = fs::status(target, error);
  if (fs::is_directory(existing)) return {false, "it is a folder"};
  if (fs::exists(existing) && !fs::is_regular_file(existing)) {
    // A device or pipe cannot be replaced by renaming; it takes the bytes directly.
    return WriteAll(target, bytes);
  }
  if (fs::exists(existing)) {
    // Replace what a link points at, not the link itself.
    if (auto resolved = fs::canonical(target, error); !error) target = std::move(resolved);
    // Renaming over a file needs only the folder's permission; a file the user may not write
    // stays as it is, as it would with a write in place.
    if (auto writable = CheckWritable(target); !writable.ok) return writable;
  }
  const auto temporary = TemporaryBeside(target);
  if (auto written = WriteAll(temporary, bytes); !written.ok) {
    fs::remove(temporary, error);
    return written;
  }
  if (fs::exists(existing)) fs::permissions(temporary, existing.permissions(), error);
  fs::rename(temporary, target, error);
  if (error) {
    const auto reason = error.message();
    fs::remove(temporary, error);
    return {false, reason};
  }
  return {true, {}};
}

}  // namespace tarmaxion
