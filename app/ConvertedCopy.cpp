#include "app/ConvertedCopy.h"

#include <algorithm>

#include "app/ProgramState.h"
#include "app/TrackMessages.h"
#include "preview/ObjectMarkers.h"
#include "track/Conversion.h"
#include "track/TrackLayout.h"
#include "ui/Files.h"

namespace tarmaxion {

ConvertedCopy MakeConvertedCopy(const std::string& utf8_path, std::span<std::uint8_t> buffer) {
  const auto read = ReadWholeFile(utf8_path, buffer.first(std::min(buffer.size(), kMaxTrackFileSize)));
  // A short read is no copy either: only part of the file would be written.
  if (read.status != ReadStatus::kOk) return {{}, ReadMessage(read, utf8_path).value_or(read.reason)};
  const auto file = buffer.first(read.size);
  const ByteReader track(file);
  if (!CheckVersion(track)) return {{}, kVersionCaution};
  const auto located = LocateRegions(track);
  if (!located.layout) return {{}, located.problem};
  RemapObjectTypes(file, *located.layout);
  MarkAsVersion105(file);
  return {file, {}};
}

}  // namespace tarmaxion
