#include "app/TrackMessages.h"

#include "app/ProgramState.h"
#include "ui/Encoding.h"

namespace tarmaxion {
namespace {

Text ByteCount(std::uintmax_t count) { return DecimalText(static_cast<std::int64_t>(count)); }

}  // namespace

Text DisplayName(const std::string& utf8_path) { return Windows1252FromUtf8(FilePart(utf8_path)); }

std::optional<Text> ReadMessage(const FileReadResult& read, const std::string& utf8_path) {
  const auto name = DisplayName(utf8_path);
  switch (read.status) {
    case ReadStatus::kOk:
      return std::nullopt;
    case ReadStatus::kReadShort:
      return "Read error: " + name + " ended after " + ByteCount(read.size) + " of " +
             ByteCount(read.reported_size) + " bytes";
    case ReadStatus::kTooLarge:
      return "Track too large: " + name + " has " + ByteCount(read.reported_size) + " bytes, at most " +
             ByteCount(kMaxTrackFileSize) + " fit";
    case ReadStatus::kCannotOpen:
      if (utf8_path.empty()) return std::nullopt;
      return "Cannot open " + name + ": " + read.reason;
  }
  return std::nullopt;
}

Text NotSavedMessage(const std::string& utf8_path, const std::string& reason) {
  return "Not saved: " + DisplayName(utf8_path) + ": " + reason;
}

}  // namespace tarmaxion
