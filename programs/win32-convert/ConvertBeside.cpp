#include "programs/win32-convert/ConvertBeside.h"

#include <cstdint>
#include <span>
#include <vector>

#include "api/TrackApi.h"
#include "api/TrackMessages.h"
#include "base/Files.h"
#include "base/PathParts.h"
#include "track/Conversion.h"

namespace tarmaxion {

std::optional<ShownText> ConvertBeside(const std::string& utf8_path) {
  std::vector<std::uint8_t> file(kMaxTrackFileSize);
  const auto read = ReadWholeFile(utf8_path, file);
  // A short read is no track either: only part of it would be converted.
  if (!read) return ReadMessage(read, utf8_path).value_or("Cannot open " + ShownText::FromUtf8(utf8_path));

  TrackApi api;
  const auto& report = api.Open(std::span(file).first(*read), FilePart(utf8_path));
  if (report.outcome != TrackOutcome::kRead) return report.message;

  const auto converted = ConvertedName(utf8_path);
  if (const auto written = WriteFileReplacing(converted, api.CopyAs105(), IfExists::kRefuse); !written) {
    return NotSavedMessage(converted, written.Failure().message);
  }
  return std::nullopt;
}

}  // namespace tarmaxion
