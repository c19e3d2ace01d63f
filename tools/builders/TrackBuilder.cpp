#include "tools/builders/TrackBuilder.h"

#include <algorithm>

#include "base/LittleEndian.h"

namespace tarmaxion::testing {
namespace {

void PutText(std::vector<std::uint8_t>& out, std::size_t at, const std::string& text, std::size_t field) {
  std::copy_n(text.begin(), std::min(text.size(), field), out.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

TrackBuilder& TrackBuilder::Record(int index, std::string driver, std::int16_t lap_time) {
  drivers_.at(static_cast<std::size_t>(index)) = std::move(driver);
  lap_times_.at(static_cast<std::size_t>(index)) = lap_time;
  return *this;
}

TrackBuilder& TrackBuilder::CarName(int index, std::string name) {
  cars_.at(static_cast<std::size_t>(index)) = std::move(name);
  return *this;
}

std::size_t TrackBuilder::RecordsOffsetInFile() const {
  return ObjectTableOffset() + 2 + 8 * objects_.size() + after_objects_.size() + gap_ + 536;
}

std::vector<std::uint8_t> TrackBuilder::Build() const {
  const std::size_t r = RecordsOffsetInFile();
  std::vector<std::uint8_t> out(r + 9627 + ghost_data_, 0);

  WriteU16(out, 0, version_);
  PutText(out, 2, magic_, 2);
  WriteU32(out, 4, static_cast<std::uint32_t>(records_offset_.value_or(static_cast<std::int32_t>(r))));
  out[8] = world_size_;
  out[9] = water_level_;
  out[10] = angel_;
  out[11] = byte11_;
  out[12] = rotation_low_;
  out[13] = rotation_high_;
  out[14] = zoom_;
  out[15] = start_finish_;
  const auto w = static_cast<std::int32_t>(landmap_.empty() ? 0 : landmap_.size() - 1);
  WriteU32(out, 16, static_cast<std::uint32_t>(landmap_word_count_.value_or(w)));
  for (std::size_t i = 0; i < landmap_.size(); ++i) WriteU16(out, 20 + 2 * i, landmap_[i]);

  std::copy(heights_.begin(), heights_.end(), out.begin() + static_cast<std::ptrdiff_t>(HeightmapOffset()));

  const std::size_t t = ObjectTableOffset();
  WriteU16(out, t, static_cast<std::uint16_t>(object_count_.value_or(static_cast<std::int16_t>(objects_.size()))));
  for (std::size_t k = 0; k < objects_.size(); ++k) {
    const auto& o = objects_[k];
    const std::size_t e = ObjectTypeOffset(k);
    out[e] = static_cast<std::uint8_t>(o.type);
    out[e + 1] = o.byte1;
    WriteU16(out, e + 2, static_cast<std::uint16_t>(o.x));
    WriteU16(out, e + 4, static_cast<std::uint16_t>(o.y));
    out[e + 6] = o.byte6;
    out[e + 7] = o.heading;
  }
  std::copy(after_objects_.begin(), after_objects_.end(),
            out.begin() + static_cast<std::ptrdiff_t>(ObjectTypeOffset(objects_.size())));

  PutText(out, r - 536, author_, 30);
  WriteU32(out, r - 4, static_cast<std::uint32_t>(track_length_));
  for (std::size_t i = 0; i < 7; ++i) {
    WriteU16(out, r + 2 * i, static_cast<std::uint16_t>(lap_times_[i]));
    PutText(out, r + 14 + 13 * i, drivers_[i], 13);
    PutText(out, r + 105 + 1344 * i, cars_[i], 1344);
  }
  const std::size_t d = r + 9513;
  WriteU16(out, d + 0, static_cast<std::uint16_t>(date_.year));
  WriteU16(out, d + 2, static_cast<std::uint16_t>(date_.month));
  WriteU16(out, d + 6, static_cast<std::uint16_t>(date_.day));
  WriteU16(out, d + 8, static_cast<std::uint16_t>(date_.hour));
  WriteU16(out, d + 10, static_cast<std::uint16_t>(date_.minute));
  WriteU16(out, d + 12, static_cast<std::uint16_t>(date_.second));
  WriteU16(out, r + 9625, static_cast<std::uint16_t>(ghost_size_));
  for (std::size_t i = 0; i < ghost_data_; ++i) out[r + 9627 + i] = static_cast<std::uint8_t>(i * 7 + 1);
  return out;
}

}  // namespace tarmaxion::testing
