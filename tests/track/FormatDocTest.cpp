// The modders' description of the track format (docs/track-format.md) held to the readers: its
// tables of offsets, sizes, the type remap and the damage messages are parsed and compared with
// the constants and functions the converter itself uses, so a change to either shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/Encoding.h"
#include "track/TrackLayout.h"
#include "track/TypeRemap.h"

namespace tarmaxion {
namespace {

using Row = std::vector<std::string>;

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Row Cells(const std::string& line) {
  Row cells;
  std::stringstream stream(Trimmed(line).substr(1));  // without the leading '|'
  std::string cell;
  while (std::getline(stream, cell, '|')) cells.push_back(Trimmed(cell));
  return cells;
}

// The body rows of every table under the heading "## section", in order; heading rows (those
// followed by a |---| line) and separator rows are left out.
std::vector<Row> TableRows(const std::string& section) {
  std::ifstream file(TARMAXION_SOURCE_DIR "/docs/track-format.md");
  std::vector<std::string> lines;
  bool inside = false;
  for (std::string line; std::getline(file, line);) {
    if (line.rfind("## ", 0) == 0) inside = line == "## " + section;
    if (inside && Trimmed(line).rfind('|', 0) == 0) lines.push_back(line);
  }
  std::vector<Row> rows;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool separator = Trimmed(lines[i]).rfind("|---", 0) == 0;
    const bool heading = i + 1 < lines.size() && Trimmed(lines[i + 1]).rfind("|---", 0) == 0;
    if (!separator && !heading) rows.push_back(Cells(lines[i]));
  }
  EXPECT_FALSE(rows.empty()) << "no table under ## " << section;
  return rows;
}

// A row that starts with these cells.
void ExpectRow(const std::vector<Row>& rows, const Row& start) {
  const bool found = std::any_of(rows.begin(), rows.end(), [&](const Row& row) {
    return row.size() >= start.size() && std::equal(start.begin(), start.end(), row.begin());
  });
  std::string wanted;
  for (const auto& cell : start) wanted += "| " + cell + " ";
  EXPECT_TRUE(found) << "no row starting " << wanted;
}

std::string N(std::int64_t value) { return std::to_string(value); }

// A version word as its two bytes in file order, e.g. "05 01".
std::string Bytes(int word) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X %02X", word & 0xFF, (word >> 8) & 0xFF);
  return text;
}

TEST(FormatDocTest, HeaderAndVersionsAreWhereTheReadersLook) {
  const auto header = TableRows("Header");
  ExpectRow(header, {N(trk::kVersion), "2", "s16", "version word"});
  ExpectRow(header, {N(trk::kMagic), "2", "text", "magic"});
  ExpectRow(header, {N(trk::kRecordsOffset), "4", "s32", "records offset R"});
  ExpectRow(header, {N(trk::kWorldSize), "1", "u8", "world size"});
  ExpectRow(header, {N(trk::kWaterLevel), "1", "u8", "water level"});
  ExpectRow(header, {N(trk::kAngel), "1", "u8", "Angel value"});
  ExpectRow(header, {N(trk::kRotationLow), "1", "u8", "rotation, low byte"});
  ExpectRow(header, {N(trk::kRotationHigh), "1", "u8", "rotation, high byte"});
  ExpectRow(header, {N(trk::kZoom), "1", "u8", "zoom"});
  ExpectRow(header, {N(trk::kStartFinish), "1", "u8", "start/finish line"});
  ExpectRow(header, {N(trk::kLandmapWordCount), "4", "s32", "landmap word count W"});
  ExpectRow(header, {N(trk::kHeaderSize), "2W + 2", "words", "landmap"});

  const auto versions = TableRows("Versions");
  EXPECT_EQ(versions.size(), 2u);
  ExpectRow(versions, {N(trk::kVersionWord105), Bytes(trk::kVersionWord105), "1.05"});
  ExpectRow(versions, {N(trk::kVersionWord110), Bytes(trk::kVersionWord110), "1.10"});
}

TEST(FormatDocTest, LaterRegionsFollowFromTheHeaderAsTheLayoutComputesThem) {
  const auto regions = TableRows("Where the later regions lie");
  const auto after_landmap = trk::kLandmap + 2;  // the landmap's extra word
  ExpectRow(regions, {"landmap", N(trk::kLandmap), "2W + 2"});
  ExpectRow(regions, {"heightmap H", N(after_landmap) + " + 2W", N(trk::kHeightmapSize)});
  ExpectRow(regions, {"object table T", N(after_landmap + trk::kHeightmapSize) + " + 2W",
                      "2 + " + N(trk::kObjectEntrySize) + "N"});
  ExpectRow(regions, {"author", "R - " + N(trk::kAuthorBeforeRecords), N(trk::kAuthorLength)});
  ExpectRow(regions, {"track length", "R - " + N(trk::kTrackLengthBeforeRecords), "4"});
  ExpectRow(regions, {"records block", "R", N(trk::kRecordsBlockSize)});
  ExpectRow(regions, {"record date D", "R + " + N(trk::kRecordDateAfterRecords), "16"});
  ExpectRow(regions, {"ghost size G", "R + " + N(trk::kGhostAfterRecords), "2"});
  ExpectRow(regions, {"ghost frames", "R + " + N(trk::kRecordsBlockSize)});

  const auto records = TableRows("Records block");
  const auto seven = " x " + N(trk::kRecordCount);
  ExpectRow(records, {"R + " + N(trk::kLapTimes), "2" + seven});
  ExpectRow(records, {"R + " + N(trk::kDriverNames), N(trk::kDriverNameField) + seven,
                      "driver names, each a text of at most " + N(trk::kDriverNameLength) +
                          " characters in a field of " + N(trk::kDriverNameField) + " bytes"});
  ExpectRow(records, {"R + " + N(trk::kCarBlocks), N(trk::kCarBlockSize) + seven,
                      "car blocks; the first " + N(trk::kCarNameLength) +
                          " characters at most of each block are the car's name"});
  ExpectRow(records, {"R + " + N(trk::kRecordDateAfterRecords), "16", "record date"});
  ExpectRow(records, {"R + " + N(trk::kGhostAfterRecords), "2", "ghost size"});
  // The car blocks end where the record date starts, as the page says.
  EXPECT_EQ(trk::kCarBlocks + trk::kRecordCount * trk::kCarBlockSize, trk::kRecordDateAfterRecords);
}

TEST(FormatDocTest, RemapTableIsTheConversionsForEveryType) {
  std::map<int, int> documented;
  for (const auto& row : TableRows("What the 1.05 copy changes")) {
    documented[std::stoi(row.at(0))] = std::stoi(row.at(1));
  }
  for (int type = -128; type <= 127; ++type) {
    const auto written = RemappedType(static_cast<std::int8_t>(type));
    const auto entry = documented.find(type);
    if (entry == documented.end()) {
      EXPECT_FALSE(written) << "type " << type << " is remapped but not documented";
    } else {
      ASSERT_TRUE(written) << "type " << type << " is documented but not remapped";
      EXPECT_EQ(int{*written}, entry->second) << "type " << type;
    }
  }
  EXPECT_EQ(documented.size(), 8u);
}

TEST(FormatDocTest, DamageMessagesAreTheLayoutChecksInTheirOrder) {
  const auto checks = TableRows("What the converter refuses");
  const int last = static_cast<int>(LayoutProblem::kRecordsBeyondEnd);
  ASSERT_EQ(checks.size(), static_cast<std::size_t>(last + 1));
  for (int kind = 0; kind <= last; ++kind) {
    EXPECT_EQ(checks[static_cast<std::size_t>(kind)].at(1),
              Utf8FromWindows1252(DamageMessage(static_cast<LayoutProblem>(kind))));
  }
}

}  // namespace
}  // namespace tarmaxion
