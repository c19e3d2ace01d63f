// Where things are in a track file: the version check and the regions located from the
// landmap word count W and the records offset R, checked against the loaded data.
#pragma once

#include <cstdint>
#include <optional>

#include "base/Result.h"
#include "track/ByteReader.h"
#include "base/Text.h"

namespace tarmaxion {

// Fixed offsets and sizes of the format.
namespace trk {
inline constexpr std::int64_t kVersion = 0;
inline constexpr std::int64_t kMagic = 2;
inline constexpr std::int64_t kRecordsOffset = 4;
inline constexpr std::int64_t kWorldSize = 8;
inline constexpr std::int64_t kWaterLevel = 9;
inline constexpr std::int64_t kAngel = 10;
inline constexpr std::int64_t kRotationLow = 12;
inline constexpr std::int64_t kRotationHigh = 13;
inline constexpr std::int64_t kZoom = 14;
inline constexpr std::int64_t kStartFinish = 15;
inline constexpr std::int64_t kLandmapWordCount = 16;
inline constexpr std::int64_t kLandmap = 20;
inline constexpr std::int64_t kHeaderSize = 20;
inline constexpr std::int64_t kHeightmapSize = 64 * 64;
inline constexpr std::int64_t kObjectEntrySize = 8;
inline constexpr std::int64_t kAuthorBeforeRecords = 536;
inline constexpr std::int64_t kAuthorLength = 30;
inline constexpr std::int64_t kTrackLengthBeforeRecords = 4;
inline constexpr std::int64_t kRecordDateAfterRecords = 9513;
inline constexpr std::int64_t kGhostAfterRecords = 9625;
inline constexpr std::int64_t kRecordsBlockSize = 9627;  // up to and including the ghost size
inline constexpr std::int64_t kLapTimes = 0;             // 7 words: Best, then records 1 to 6
inline constexpr std::int64_t kDriverNames = 14;         // 7 fields of 13 bytes
inline constexpr std::int64_t kDriverNameField = 13;
inline constexpr std::size_t kDriverNameLength = 12;
inline constexpr std::int64_t kCarBlocks = 105;  // 7 blocks of 1344 bytes, each led by its name
inline constexpr std::int64_t kCarBlockSize = 1344;
inline constexpr std::size_t kCarNameLength = 12;
inline constexpr int kRecordCount = 7;  // the Best record and records 1 to 6

inline constexpr std::int16_t kVersionWord105 = 261;
inline constexpr std::int16_t kVersionWord110 = 272;
inline constexpr std::uint8_t kVersionByte105 = 5;
}  // namespace trk

enum class TrackVersion { k105, k110 };

// Version word 261 or 272 and the magic "TX" (exact, case-sensitive); nothing otherwise.
std::optional<TrackVersion> CheckVersion(const ByteReader& track);

struct TrackLayout {
  std::int32_t landmap_words = 0;  // W; the landmap holds W + 1 run words
  std::int64_t records = 0;        // R
  std::int64_t record_date = 0;    // D = R + 9513
  std::int64_t ghost = 0;          // G = R + 9625
  std::int64_t heightmap = 0;      // H = 22 + 2W
  std::int64_t objects = 0;        // T = 4118 + 2W
  std::int16_t object_count = 0;   // N, read at T
};

// The regions of a track file, in the order they are checked; each names the first part of a
// damaged file that does not lie inside its data.
enum class LayoutProblem {
  kHeaderCutShort,
  kLandmapBeyondEnd,
  kLandmapSizeNegative,
  kHeightmapBeyondEnd,
  kObjectTableBeyondEnd,
  kObjectsBeyondEnd,
  kRecordsOffsetTooSmall,
  kRecordsBeyondEnd,
};

// What the user reads for a problem: "Damaged track: " and the part that does not fit, e.g.
// "Damaged track: records beyond end of file".
Text DamageMessage(LayoutProblem problem);

// The located regions, or the first problem with its DamageMessage.
using LayoutCheck = Result<TrackLayout, Problem<LayoutProblem, Text>>;

LayoutCheck LocateRegions(const ByteReader& track);

}  // namespace tarmaxion
