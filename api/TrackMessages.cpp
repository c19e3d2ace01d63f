#include "api/TrackMessages.h"

#include "base/Encoding.h"

namespace tarmaxion {
namespace {

Text ByteCount(std::uintmax_t count) { return DecimalText(static_cast<std::int64_t>(count)); }

}  // namespace

Text DisplayName(const std::string& utf8_path) { return Windows1252FromUtf8(FilePart(utf8_path)); }

Text TooLargeMessage(const Text& file_name, std::uintmax_t size) {
  return "Track too large: " + file_name + " has " + ByteCount(size) + " bytes, at most " +
         ByteCount(kMaxTrackFileSize) + " fit";
}

std::optional<Text> ReadMessage(const FileRead& read, const std::string& utf8_path, const Text& name) {
  if (read) return std::nullopt;
  const auto& failure = read.Failure();
  switch (failure.kind) {
    case ReadProblem::kReadShort:
      return "Read error: " + name + " ended after " + ByteCount(failure.arrived) + " of " +
             ByteCount(failure.reported_size) + " bytes";
    case ReadProblem::kTooLarge:
      return TooLargeMessage(name, failure.reported_size);
    case ReadProblem::kCannotOpen:
      if (utf8_path.empty()) return std::nullopt;
      return "Cannot open " + name + ": " + Windows1252FromUtf8(failure.message);
  }
  return std::nullopt;
}

Text DroppedMessage(std::size_t count) {
  const auto number = [](std::size_t n) { return DecimalText(static_cast<std::int64_t>(n)); };
  return "Dropped " + number(count) + " files: loaded the first, left out " + number(count - 1);
}

Text NotSavedMessage(const Text& name, const std::string& utf8_reason) {
  return "Not saved: " + name + ": " + Windows1252FromUtf8(utf8_reason);
}

}  // namespace tarmaxion
