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

Text DamageMessage(LayoutProblem problem) {
  const Text lead = "Damaged track: ";
  switch (problem) {
    case LayoutProblem::kHeaderCutShort: return lead + "header cut short";
    case LayoutProblem::kLandmapBeyondEnd: return lead + "landmap beyond end of file";
    case LayoutProblem::kLandmapSizeNegative: return lead + "landmap size negative";
    case LayoutProblem::kHeightmapBeyondEnd: return lead + "heightmap beyond end of file";
    case LayoutProblem::kObjectTableBeyondEnd: return lead + "object table beyond end of file";
    case LayoutProblem::kObjectsBeyondEnd: return lead + "objects beyond end of file";
    case LayoutProblem::kRecordsOffsetTooSmall: return lead + "records offset too small";
    case LayoutProblem::kRecordsBeyondEnd: return lead + "records beyond end of file";
  }
  return lead;
}

LayoutCheck LocateRegions(const ByteReader& track) {
  const auto damaged = [](LayoutProblem kind) -> LayoutCheck {
    return Problem<LayoutProblem, Text>{kind, DamageMessage(kind)};
  };
  if (!track.Covers(0, trk::kHeaderSize)) return damaged(LayoutProblem::kHeaderCutShort);

  TrackLayout layout;
  layout.landmap_words = track.S32(trk::kLandmapWordCount);
  const std::int64_t words = layout.landmap_words;
  if (words >= 0 && !track.Covers(trk::kLandmap, 2 * words + 2)) {
    return damaged(LayoutProblem::kLandmapBeyondEnd);
  }
  layout.heightmap = trk::kLandmap + 2 * words + 2;
  layout.objects = layout.heightmap + trk::kHeightmapSize;
  if (layout.heightmap < 0) return damaged(LayoutProblem::kLandmapSizeNegative);
  if (!track.Covers(layout.heightmap, trk::kHeightmapSize)) {
    return damaged(LayoutProblem::kHeightmapBeyondEnd);
  }
  if (!track.Covers(layout.objects, 2)) return damaged(LayoutProblem::kObjectTableBeyondEnd);
  layout.object_count = track.S16(layout.objects);
  const std::int64_t entries = layout.object_count > 0 ? layout.object_count : 0;
  if (!track.Covers(layout.objects + 2, entries * trk::kObjectEntrySize)) {
    return damaged(LayoutProblem::kObjectsBeyondEnd);
  }

  layout.records = track.S32(trk::kRecordsOffset);
  if (layout.records < trk::kAuthorBeforeRecords) return damaged(LayoutProblem::kRecordsOffsetTooSmall);
  if (!track.Covers(layout.records, trk::kRecordsBlockSize)) {
    return damaged(LayoutProblem::kRecordsBeyondEnd);
  }
  layout.record_date = layout.records + trk::kRecordDateAfterRecords;
  layout.ghost = layout.records + trk::kGhostAfterRecords;
  return layout;
}

}  // namespace tarmaxion
