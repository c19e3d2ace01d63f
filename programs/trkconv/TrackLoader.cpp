#include "programs/trkconv/TrackLoader.h"

#include <span>

#include "api/TrackMessages.h"
#include "base/Files.h"
#include "preview/Caption.h"

namespace tarmaxion::cli {

TrackLoader::TrackLoader()
    : buffer_(std::make_unique_for_overwrite<std::uint8_t[]>(kMaxTrackFileSize)), api_(&glyphs_) {
  glyphs_.LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
}

Result<const TrackReport*, Failure> TrackLoader::Load(const std::string& utf8_path) {
  const auto file = std::span(buffer_.get(), kMaxTrackFileSize);
  const auto read = ReadWholeFile(utf8_path, file);
  // A short read is no track either: only part of the file would be shown or converted.
  if (!read) {
    const auto message = ReadMessage(read, utf8_path).value_or("the file cannot be read");
    return Failure{FailureKind::kUnreadable, message.Utf8()};
  }
  return &api_.Open(file.first(*read), FilePart(utf8_path));
}

}  // namespace tarmaxion::cli
