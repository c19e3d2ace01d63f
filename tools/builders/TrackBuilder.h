// Writes a track file field by field, for tests, benchmarks, fuzz seeds and the examples.
// Defaults give a valid version-1.10 track with one landmap run, no water, no objects and
// empty records; every setter overrides one field, including ones that damage the file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarmaxion::testing {

struct TrackObject {
  std::int8_t type = 0;
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::uint8_t heading = 0;
  std::uint8_t byte1 = 0;  // not read by the program; carried through unchanged
  std::uint8_t byte6 = 0;
};

struct RecordDate {
  std::int16_t year = 2010;
  std::int16_t month = 3;
  std::int16_t day = 7;
  std::int16_t hour = 9;
  std::int16_t minute = 5;
  std::int16_t second = 3;
};

class TrackBuilder {
 public:
  static constexpr std::uint16_t kVersion105 = 261;
  static constexpr std::uint16_t kVersion110 = 272;

  TrackBuilder& Version(std::uint16_t word) { version_ = word; return *this; }
  TrackBuilder& Magic(std::string two_bytes) { magic_ = std::move(two_bytes); return *this; }
  TrackBuilder& WorldSize(std::uint8_t v) { world_size_ = v; return *this; }
  TrackBuilder& WaterLevel(std::uint8_t v) { water_level_ = v; return *this; }
  TrackBuilder& Angel(std::uint8_t v) { angel_ = v; return *this; }
  TrackBuilder& Byte11(std::uint8_t v) { byte11_ = v; return *this; }
  TrackBuilder& RotationBytes(std::uint8_t low, std::uint8_t high) {
    rotation_low_ = low;
    rotation_high_ = high;
    return *this;
  }
  TrackBuilder& Zoom(std::uint8_t v) { zoom_ = v; return *this; }
  TrackBuilder& StartFinish(std::uint8_t v) { start_finish_ = v; return *this; }

  // The run words; W is written as their count minus one unless overridden.
  TrackBuilder& Landmap(std::vector<std::uint16_t> words) { landmap_ = std::move(words); return *this; }
  // Writes this W into the header whatever the run words are (for damaged files).
  TrackBuilder& LandmapWordCount(std::int32_t w) { landmap_word_count_ = w; return *this; }

  TrackBuilder& Heights(std::uint8_t all) { heights_.fill(all); return *this; }
  TrackBuilder& Height(int index, std::uint8_t v) { heights_.at(static_cast<std::size_t>(index)) = v; return *this; }

  TrackBuilder& Object(TrackObject object) { objects_.push_back(object); return *this; }
  TrackBuilder& Object(std::int8_t type, std::int16_t x, std::int16_t y, std::uint8_t heading = 0) {
    return Object(TrackObject{type, x, y, heading, 0, 0});
  }
  // Writes this count whatever the entries are (for damaged files).
  TrackBuilder& ObjectCount(std::int16_t n) { object_count_ = n; return *this; }
  // Bytes written right after the last entry (the table's neighbour).
  TrackBuilder& AfterObjects(std::vector<std::uint8_t> bytes) { after_objects_ = std::move(bytes); return *this; }

  TrackBuilder& Author(std::string text) { author_ = std::move(text); return *this; }
  TrackBuilder& TrackLength(std::int32_t v) { track_length_ = v; return *this; }
  // Record 0 is the Best record, 1 to 6 the numbered ones. Names are written as raw bytes
  // into their 13-byte field, NUL-padded; longer texts are cut at 13 bytes.
  TrackBuilder& Record(int index, std::string driver, std::int16_t lap_time);
  TrackBuilder& CarName(int index, std::string name);
  TrackBuilder& Date(RecordDate date) { date_ = date; return *this; }
  TrackBuilder& GhostSize(std::int16_t v) { ghost_size_ = v; return *this; }
  TrackBuilder& GhostData(std::size_t bytes) { ghost_data_ = bytes; return *this; }
  // Filler between the object table and the author field; R follows from it.
  TrackBuilder& Gap(std::size_t bytes) { gap_ = bytes; return *this; }
  // Writes this R whatever the layout is (for damaged files).
  TrackBuilder& RecordsOffset(std::int32_t r) { records_offset_ = r; return *this; }

  std::vector<std::uint8_t> Build() const;

  // Offsets in the built file, for tests that look at bytes.
  std::size_t HeightmapOffset() const { return 22 + 2 * (landmap_.empty() ? 0 : landmap_.size() - 1); }
  std::size_t ObjectTableOffset() const { return HeightmapOffset() + 4096; }
  std::size_t ObjectTypeOffset(std::size_t k) const { return ObjectTableOffset() + 2 + 8 * k; }
  std::size_t RecordsOffsetInFile() const;

 private:
  std::uint16_t version_ = kVersion110;
  std::string magic_ = "TX";
  std::uint8_t world_size_ = 100, water_level_ = 0, angel_ = 0, byte11_ = 0;
  std::uint8_t rotation_low_ = 0, rotation_high_ = 0, zoom_ = 0, start_finish_ = 0;
  std::vector<std::uint16_t> landmap_ = {0x0000};
  std::optional<std::int32_t> landmap_word_count_;
  std::array<std::uint8_t, 4096> heights_{};
  std::vector<TrackObject> objects_;
  std::optional<std::int16_t> object_count_;
  std::vector<std::uint8_t> after_objects_;
  std::string author_;
  std::int32_t track_length_ = 0;
  std::array<std::string, 7> drivers_{};
  std::array<std::int16_t, 7> lap_times_{};
  std::array<std::string, 7> cars_{};
  RecordDate date_;
  std::int16_t ghost_size_ = 0;
  std::size_t ghost_data_ = 0;
  std::size_t gap_ = 0;
  std::optional<std::int32_t> records_offset_;
};

}  // namespace tarmaxion::testing
