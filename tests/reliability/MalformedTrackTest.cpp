// Malformed tracks through the whole program: each row is a file and the exact message the log
// ends with after loading it. Every file is loaded twice, once after a track that filled the
// whole first half of the track buffer with other bytes and once after a small one; the info
// list, the log, the map image and a following save must come out the same both times, which
// shows that nothing beyond the loaded bytes was read. Run under the asan preset, the same
// rows also show that no read or write left the buffers.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/WindowRun.h"
#include "tests/support/TempDir.h"
#include "tools/builders/TrackBuilder.h"

namespace tarmaxion {
namespace {

using testing::WindowRun;
using testing::ReadBytes;
using testing::TempDir;
using testing::TrackBuilder;
using Bytes = std::vector<std::uint8_t>;

// Both earlier tracks carry the same name and records, so the map names they log agree.
TrackBuilder EarlierRecords(TrackBuilder track) {
  return track.Record(1, "Old", 1111).CarName(1, "Stale");
}

// Fills the first half of the buffer: no byte of a later, shorter file's tail is zero there.
Bytes FullEarlierTrack() {
  TrackBuilder track = EarlierRecords(TrackBuilder());
  track.WaterLevel(200).Landmap({0xFFF1, 0xFFF2, 0xFFF3}).Heights(90);
  for (std::int8_t type : {1, 9, 10, 17, 23, 25, 30}) track.Object(type, 300, 300, 20);
  const std::size_t short_size = track.Build().size();
  return track.GhostData(1'000'000 - short_size).Build();
}

Bytes SmallEarlierTrack() {
  return EarlierRecords(TrackBuilder()).Version(TrackBuilder::kVersion105).Build();
}

// The base of every row: a valid track whose map name is "m_4567_Bob".
TrackBuilder Base() { return TrackBuilder().Record(1, "Bob", 4567).CarName(1, "Rocket"); }

Bytes Cut(const Bytes& bytes, std::size_t size) { return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)); }

// What one load of a malformed file after an earlier track leaves behind.
struct Outcome {
  std::vector<Text> lines;
  Text log_panel;
  Text last_log;
  bool map_redrawn = false;
  bool map_kept = false;  // the map image is still the earlier track's
  std::vector<Colour> map;
  std::optional<Bytes> saved;  // what "save as 1.05" wrote afterwards
};

Outcome LoadAfter(const Bytes& earlier, const Bytes& malformed) {
  TempDir dir;
  WindowRun run;
  run.Load(dir.Write("earlier.trk", earlier));
  const auto earlier_map = run.Map();
  run.Load(dir.Write("m.trk", malformed));

  Outcome outcome;
  outcome.lines = run.Lines();
  outcome.log_panel = run.Panel();
  outcome.last_log = run.LastLog();
  outcome.map = run.Map();
  const auto state = run.Model().State();
  outcome.map_redrawn = state == LoadState::kListed || state == LoadState::kMapped;
  outcome.map_kept = outcome.map == earlier_map;
  run.Save(dir.File("saved.trk"));
  if (std::filesystem::exists(dir.Path() / "saved.trk")) outcome.saved = ReadBytes(dir.File("saved.trk"));
  return outcome;
}

struct Row {
  std::string name;
  std::function<Bytes()> file;
  Text message;  // the last line of the log after the load
};

const Text kAccepted = "m_4567_Bob";
const Text kVersion = "Caution: Version <> 1.05";

// An accepted file logs its map name, which starts with the name of the file, m.trk.
bool Accepted(const Text& message) { return message.rfind("m_", 0) == 0; }

std::vector<Row> Rows() {
  const Bytes valid = Base().Build();
  const auto size = static_cast<std::int32_t>(valid.size());
  const std::int32_t records_at_end = size - 9627;        // the records block ends with the file
  const std::int32_t entries_in_file = (size - 4120) / 8;  // object entries from T + 2 to the end
  std::vector<Row> rows = {
      {"empty file", [] { return Bytes{}; }, kVersion},
      {"header only", [=] { return Cut(valid, 20); }, "Damaged track: landmap beyond end of file"},
      {"W -1: no landmap words", [] { return Base().LandmapWordCount(-1).Build(); }, kAccepted},
      {"W -11: heightmap at offset 0", [] { return Base().LandmapWordCount(-11).Build(); }, kAccepted},
      {"W -12", [] { return Base().LandmapWordCount(-12).Build(); }, "Damaged track: landmap size negative"},
      {"W most negative", [] { return Base().LandmapWordCount(INT_MIN).Build(); },
       "Damaged track: landmap size negative"},
      {"W odd", [] { return Base().Landmap({0x0012, 0x0FF4, 0x0FF6, 0x0109}).Build(); }, kAccepted},
      {"W huge", [] { return Base().LandmapWordCount(INT_MAX).Build(); },
       "Damaged track: landmap beyond end of file"},
      {"landmap one word past the file", [=] { return Base().LandmapWordCount((size - 20) / 2).Build(); },
       "Damaged track: landmap beyond end of file"},
      {"heightmap past the file", [=] { return Base().LandmapWordCount((size - 22) / 2 - 2047).Build(); },
       "Damaged track: heightmap beyond end of file"},
      {"object count past the file", [=] { return Base().LandmapWordCount((size - 22) / 2 - 2048).Build(); },
       "Damaged track: object table beyond end of file"},
      {"object count just past the file",
       [=] { return Base().ObjectCount(static_cast<std::int16_t>(entries_in_file + 1)).Build(); },
       "Damaged track: objects beyond end of file"},
      {"object count up to the file's end",
       [=] { return Base().ObjectCount(static_cast<std::int16_t>(entries_in_file)).Build(); }, kAccepted},
      {"N -1", [] { return Base().ObjectCount(-1).Build(); }, kAccepted},
      {"N most negative", [] { return Base().ObjectCount(SHRT_MIN).Build(); }, kAccepted},
      {"R -1", [] { return Base().RecordsOffset(-1).Build(); }, "Damaged track: records offset too small"},
      {"R most negative", [] { return Base().RecordsOffset(INT_MIN).Build(); },
       "Damaged track: records offset too small"},
      {"R 535", [] { return Base().RecordsOffset(535).Build(); }, "Damaged track: records offset too small"},
      // The records then overlap the heightmap, whose zeros give lap time 0 and no names.
      {"R 536", [] { return Base().RecordsOffset(536).Build(); }, "m_0_"},
      {"R one past the end", [=] { return Base().RecordsOffset(records_at_end + 1).Build(); },
       "Damaged track: records beyond end of file"},
      {"R largest", [] { return Base().RecordsOffset(INT_MAX).Build(); },
       "Damaged track: records beyond end of file"},
      {"records in the stale bytes of the earlier track",
       [] { return Base().RecordsOffset(500'000).Build(); }, "Damaged track: records beyond end of file"},
      {"records reaching the map bitmap's half",
       [] { return Base().RecordsOffset(1'000'000 - 9627 + 1).Build(); },
       "Damaged track: records beyond end of file"},
      {"landmap reaching the map bitmap's half", [] { return Base().LandmapWordCount(499'990).Build(); },
       "Damaged track: landmap beyond end of file"},
      {"runs for more cells than the map", [] { return Base().Landmap(std::vector<std::uint16_t>(200, 0xFFF3)).Build(); },
       kAccepted},
      {"exactly 1,000,000 bytes",
       [=] { return Base().GhostData(1'000'000 - valid.size()).Build(); }, kAccepted},
      {"exactly 1,000,000 bytes with the records one past the end",
       [=] {
         const auto ghost = 1'000'000 - valid.size();
         return Base().GhostData(ghost).RecordsOffset(records_at_end + static_cast<std::int32_t>(ghost) + 1).Build();
       },
       "Damaged track: records beyond end of file"},
  };
  // Every cut inside the header: too short for the version word and magic, then for the rest.
  for (std::size_t cut = 1; cut < 20; ++cut) {
    rows.push_back({"first " + std::to_string(cut) + " bytes", [=] { return Cut(valid, cut); },
                    cut < 4 ? kVersion : "Damaged track: header cut short"});
  }
  return rows;
}

TEST(MalformedTrackTest, EachFileGivesItsMessageWhateverTheBufferHeldBefore) {
  const Bytes full = FullEarlierTrack();
  ASSERT_EQ(full.size(), 1'000'000u);
  const Bytes small = SmallEarlierTrack();
  for (const auto& row : Rows()) {
    SCOPED_TRACE(row.name);
    const Bytes file = row.file();
    const Outcome after_full = LoadAfter(full, file);
    const Outcome after_small = LoadAfter(small, file);

    EXPECT_EQ(after_full.last_log, row.message);
    ASSERT_FALSE(after_full.lines.empty());
    EXPECT_EQ(after_full.lines[0], "m.trk   " + DecimalText(static_cast<std::int64_t>(file.size())) + " Bytes");
    EXPECT_EQ(after_full.lines, after_small.lines);
    EXPECT_EQ(after_full.log_panel, after_small.log_panel);
    EXPECT_EQ(after_full.map_redrawn, Accepted(row.message));
    if (after_full.map_redrawn) {
      EXPECT_TRUE(after_full.map == after_small.map) << "the map differs";
    } else {
      EXPECT_TRUE(after_full.map_kept && after_small.map_kept) << "a refused file changed the map";
    }

    // Only an accepted file can be saved, and its copy holds exactly the loaded bytes.
    EXPECT_EQ(after_full.saved.has_value(), Accepted(row.message));
    EXPECT_EQ(after_full.saved, after_small.saved);
    if (after_full.saved) {
      EXPECT_EQ(after_full.saved->size(), file.size());
    }
  }
}

// A file too large for any track is not read at all: the buffer and the loaded size keep the
// earlier track, which is not shown under the large file's name.
TEST(MalformedTrackTest, FilesBeyondTheFirstHalfAreNotReadAtAll) {
  const Bytes earlier = FullEarlierTrack();
  for (const std::size_t size : {1'000'001u, 2'000'000u, 2'000'001u}) {
    SCOPED_TRACE(size);
    TempDir dir;
    WindowRun run;
    run.Load(dir.Write("earlier.trk", earlier));
    const auto before = run.LoadedBytes();

    run.Load(dir.Write("big.trk", Base().GhostData(size - Base().Build().size()).Build()));

    EXPECT_EQ(run.LastLog(), "Track too large: big.trk has " + DecimalText(static_cast<std::int64_t>(size)) + " bytes, at most 1000000 fit");
    EXPECT_EQ(run.LoadedBytes(), before);
    EXPECT_TRUE(run.Lines().empty());
  }
}

}  // namespace
}  // namespace tarmaxion
