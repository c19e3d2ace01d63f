#include "track/TrackLayout.h"

namespace tarmaxion {

std::optional<TrackVersion> CheckVersion(const ByteReader& track) {
  if (track.RawText(trk::kMagic, 2) != "TX") return std::nullopt;
  switch (track.S16(trk::kVersion)) {
    case trk::kVersionWord105: return TrackVersion::k105;
    case trk::kVersionWord110: return TrackVersion::k110;
    default: return std::nullopt;
  }
}

LayoutCheck LocateRegions(const ByteReader& track) {
  const auto damaged = [](LayoutProblem kind, const char* what) -> LayoutCheck {
    return Problem<LayoutProblem>{kind, Text("Damaged track: ") + what};
  };
  if (!track.Covers(0, trk::kHeaderSize)) return damaged(LayoutProblem::kHeaderCutShort, "header cut short");

  TrackLayout layout;
  layout.landmap_words = track.S32(trk::kLandmapWordCount);
  const std::int64_t words = layout.landmap_words;
  if (words >= 0 && !track.Covers(trk::kLandmap, 2 * words + 2)) {
    return damaged(LayoutProblem::kLandmapBeyondEnd, "landmap beyond end of file");
  }
  layout.heightmap = trk::kLandmap + 2 * words + 2;
  layout.objects = layout.heightmap + trk::kHeightmapSize;
  if (layout.heightmap < 0) return damaged(LayoutProblem::kLandmapSizeNegative, "landmap size negative");
  if (!track.Covers(layout.heightmap, trk::kHeightmapSize)) {
    return damaged(LayoutProblem::kHeightmapBeyondEnd, "heightmap beyond end of file");
  }
  if (!track.Covers(layout.objects, 2)) return damaged(LayoutProblem::kObjectTableBeyondEnd, "object table beyond end of file");
  layout.object_count = track.S16(layout.objects);
  const std::int64_t entries = layout.object_count > 0 ? layout.object_count : 0;
  if (!track.Covers(layout.objects + 2, entries * trk::kObjectEntrySize)) {
    return damaged(LayoutProblem::kObjectsBeyondEnd, "objects beyond end of file");
  }

  layout.records = track.S32(trk::kRecordsOffset);
  if (layout.records < trk::kAuthorBeforeRecords) return damaged(LayoutProblem::kRecordsOffsetTooSmall, "records offset too small");
  if (!track.Covers(layout.records, trk::kRecordsBlockSize)) {
    return damaged(LayoutProblem::kRecordsBeyondEnd, "records beyond end of file");
  }
  layout.record_date = layout.records + trk::kRecordDateAfterRecords;
  layout.ghost = layout.records + trk::kGhostAfterRecords;
  return layout;
}

}  // namespace tarmaxion
