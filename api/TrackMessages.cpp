#include "api/TrackMessages.h"
#include "base/PathParts.h"

namespace tarmaxion {
namespace {

Text ByteCount(std::uintmax_t count) { return DecimalText(static_cast<std::int64_t>(count)); }

ShownText Name(std::string_view utf8_path) { return ShownText::FromUtf8(FilePart(utf8_path)); }

}  // namespace

ShownText TooLargeMessage(std::string_view utf8_file_name, std::uintmax_t size) {
  return "Track too large: " + ShownText::FromUtf8(utf8_file_name) + (" has " + ByteCount(size) +
                                                                    " bytes, at most " + ByteCount(kMaxTrackFileSize) + " fit");
}

std::optional<ShownText> ReadMessage(const FileRead& read, std::string_view utf8_path) {
  if (read) return std::nullopt;
  const auto& failure = read.Failure();
  switch (failure.kind) {
    case ReadProblem::kReadShort:
      return "Read error: " + Name(utf8_path) + (" ended after " + ByteCount(failure.arrived) + " of " +
                                                 ByteCount(failure.reported_size) + " bytes");
    case ReadProblem::kTooLarge:
      return TooLargeMessage(FilePart(utf8_path), failure.reported_size);
    case ReadProblem::kCannotOpen:
      if (utf8_path.empty()) return std::nullopt;
      return "Cannot open " + Name(utf8_path) + ": " + ShownText::FromUtf8(failure.message);
  }
  return std::nullopt;
}

Text DroppedMessage(std::size_t count, DropRest rest) {
  const auto number = [](std::size_t n) { return DecimalText(static_cast<std::int64_t>(n)); };
  const Text loaded = "Dropped " + number(count) + " files: loaded the first, ";
  return loaded + (rest == DropRest::kListed ? Text("all are in the list") : "left out " + number(count - 1));
}

ShownText NotSavedMessage(std::string_view utf8_path, std::string_view utf8_reason) {
  return "Not saved: " + Name(utf8_path) + ": " + ShownText::FromUtf8(utf8_reason);
}

}  // namespace tarmaxion
