// The caption under the map (lap time, track name, driver and car) and the map name that
// sums the map up as track name, time and driver.
#pragma once

#include <cstdint>
#include <string_view>

#include "track/TrackInfo.h"
#include "gfx/Graphics.h"
#include "base/ShownText.h"
#include "base/Text.h"

namespace tarmaxion {

// The caption's font, loaded by whoever supplies the glyphs: the font slot and what to load.
inline constexpr int kCaptionFont = 1;
inline constexpr const char* kCaptionFace = "Lucida Console";
inline constexpr int kCaptionPoints = 12;

// Lap times at or above this count as no time at all.
inline constexpr std::int16_t kNoLapTime = 6000;

struct CaptionRecord {
  std::int16_t time = 0;  // hundredths of a second
  ShownText names_line;   // "Bob / Rocket", or "no Best Time"; names in the track's code page
  ShownText name_tail;    // the map name after the track name: "4567_Bob", or "6000"
};

// Record 1 when its time is below 6000, else the Best record when its time is, else the Best
// time alone; record 1 wins even against a lower Best time.
CaptionRecord ChooseCaptionRecord(const TrackInfo& info);

// Seconds and hundredths: 4567 gives "45.67", 999 "9.99". Five-digit times keep their first two
// and last two digits (12345 gives "12.45"). Times below one second, negative ones included,
// read as seconds too: 45 gives "0.45", -123 "-1.23".
Text TimeText(std::int16_t time);

// The UTF-8 file name without its last four characters (the extension and its dot), every
// other character kept for the caption's glyphs to spell.
ShownText TrackName(std::string_view utf8_file_name);

// Draws the three lines in white on the band colour: time text at (20, 530), track name at
// (90, 520), names line at (90, 540).
void DrawCaption(Graphics& graphics, const ShownText& time_text, const ShownText& track_name,
                 const ShownText& names_line);

}  // namespace tarmaxion
