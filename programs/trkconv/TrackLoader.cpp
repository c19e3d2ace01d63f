#include "programs/trkconv/TrackLoader.h"

#include <filesystem>
#include <span>
#include <system_error>

#include "api/TrackMessages.h"
#include "base/Files.h"
#include "base/NativePath.h"
#include "base/PathParts.h"
#include "preview/Caption.h"

namespace tarmaxion::cli {
namespace {

using BytesRead = Result<std::size_t, Failure>;

BytesRead ReadTrackFile(const std::string& utf8_path, std::span<std::uint8_t> file) {
  const auto read = ReadWholeFile(utf8_path, file);
  // A short read is no track either: only part of the file would be shown or converted.
  if (read) return *read;
  // The window names only the file part, and "tracks/" has none; trkconv may walk it instead.
  std::error_code error;
  if (std::filesystem::is_directory(NativePath(utf8_path), error)) {
    return Failure{FailureKind::kUnreadable, "is a folder (use -r to walk it)"};
  }
  const auto message = ReadMessage(read, utf8_path).value_or("the file cannot be read");
  return Failure{FailureKind::kUnreadable, message.Utf8()};
}

// Read to its end, however long that takes: what arrives there is what the user chose to give.
BytesRead ReadStandardInput(std::istream& in, std::span<std::uint8_t> file) {
  in.read(reinterpret_cast<char*>(file.data()), static_cast<std::streamsize>(file.size()));
  const auto arrived = static_cast<std::size_t>(in.gcount());
  if (in.bad()) return Failure{FailureKind::kUnreadable, "standard input cannot be read"};
  if (arrived == file.size() && in.peek() != std::istream::traits_type::eof()) {
    return Failure{FailureKind::kUnreadable,
                   "Track too large: standard input holds more than " + std::to_string(file.size()) + " bytes"};
  }
  return arrived;
}

}  // namespace

TrackLoader::TrackLoader(std::istream& standard_input)
    : standard_input_(standard_input),
      buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(kMaxTrackFileSize)),
      api_(&glyphs_) {
  glyphs_.LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
}

Result<const TrackReport*, Failure> TrackLoader::Load(const std::string& utf8_path, CodePage code_page) {
  const auto file = std::span(buffer_.get(), kMaxTrackFileSize);
  const auto read = utf8_path == kStandardStream ? ReadStandardInput(standard_input_, file) : ReadTrackFile(utf8_path, file);
  if (!read) return read.Failure();
  return &api_.Open(file.first(*read), FilePart(utf8_path), code_page);
}

}  // namespace tarmaxion::cli
