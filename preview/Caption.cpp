#include "preview/Caption.h"

#include <cstdlib>

#include "preview/MapImage.h"
#include "gfx/Colour.h"
#include "base/Encoding.h"

namespace tarmaxion {
namespace {

constexpr int kRecordOne = 1;
constexpr Colour kCaptionText = Rgb(255, 255, 255);

CaptionRecord RecordCaption(const TrackInfo& info, int record) {
  const auto index = static_cast<std::size_t>(record);
  const std::int16_t time = info.lap_times[index];
  const ShownText driver = TrackText(info, info.driver_names[index]);
  return {time, driver + " / " + TrackText(info, info.car_names[index]), ShownText(DecimalText(time)) + "_" + driver};
}

}  // namespace

CaptionRecord ChooseCaptionRecord(const TrackInfo& info) {
  if (info.lap_times[kRecordOne] < kNoLapTime) return RecordCaption(info, kRecordOne);
  if (info.lap_times[kBestRecord] < kNoLapTime) return RecordCaption(info, kBestRecord);
  const std::int16_t time = info.lap_times[kBestRecord];
  return {time, ShownText("no Best Time"), ShownText(DecimalText(time))};
}

Text TimeText(std::int16_t time) {
  if (time >= 100) {
    // Seconds are the digits before the last two. A five-digit time keeps only its first two
    // and last two digits, so the time text never grows beyond five characters.
    const Text digits = DecimalText(time);
    return LeftPart(digits, time > 999 ? 2 : 1) + "." + RightPart(digits, 2);
  }
  const int magnitude = std::abs(int{time});
  const Text hundredths = PadLeft(DecimalText(magnitude % 100), 2, '0');
  Text text = time < 0 ? "-" : "";
  text += DecimalText(magnitude / 100) + "." + hundredths;
  return text;
}

ShownText TrackName(std::string_view utf8_file_name) {
  return ShownText::FromUtf8(DropLastCharacters(utf8_file_name, 4));
}

void DrawCaption(Graphics& graphics, const ShownText& time_text, const ShownText& track_name,
                 const ShownText& names_line) {
  graphics.DrawLabel(20, 530, time_text, kCaptionText, kBackgroundColour);
  graphics.DrawLabel(90, 520, track_name, kCaptionText, kBackgroundColour);
  graphics.DrawLabel(90, 540, names_line, kCaptionText, kBackgroundColour);
}

}  // namespace tarmaxion
