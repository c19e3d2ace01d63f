// The track API: the bytes of a track file and its name in; the outcome, the info list, the map
// image, the map name and the version-1.05 copy out, as plain values. It never touches a file,
// a platform or a clock, so the window, trkconv, the web page, the fuzzers and the tests all
// read tracks through this one piece of code.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/ShownText.h"
#include "base/Text.h"
#include "gfx/Glyphs.h"
#include "gfx/Image.h"
#include "preview/MapPreview.h"
#include "track/TrackInfo.h"
#include "track/TrackLayout.h"

namespace tarmaxion {

enum class TrackOutcome {
  kRead,      // passed the checks: listed, and ready to draw and convert
  kRefused,   // not a track of version 1.05 or 1.10 (version word or magic)
  kDamaged,   // the version is right, but a region of the file lies outside its data
  kTooLarge,  // more bytes than any track has
};

struct TrackReport {
  TrackOutcome outcome = TrackOutcome::kRefused;
  std::size_t size = 0;  // bytes given
  // The window's log line for a track that was not read ("Caution: Version <> 1.05"); empty
  // for kRead.
  ShownText message;
  std::optional<TrackVersion> version;   // kRead and kDamaged
  std::optional<LayoutProblem> damage;   // kDamaged: the first region that does not fit
  // The info list as the window fills it: the file line, then for a track whose version passed
  // the version line, and for a track that was read every listed field.
  std::vector<ShownText> info_lines;
  TrackInfo info;  // kRead
};

// The map view's picture of a track that was read, and the name the window logs for it.
struct TrackMap {
  const Image* image = nullptr;  // owned by the TrackApi; nullptr when none could be made
  ShownText name;                // "monza_4567_Bob"; empty without an image
};

// What Open reports for a file of size bytes, more than any track has; for front ends that
// refuse such a file before reading it into memory at all.
TrackReport TooLargeReport(std::string_view utf8_file_name, std::uintmax_t size);

class TrackApi {
 public:
  // Captions are drawn in caption_glyphs' font kCaptionFont, loaded by the caller; without
  // glyphs (nullptr) the caption band stays empty. The glyphs must outlive the API.
  explicit TrackApi(const GlyphSource* caption_glyphs = nullptr) : map_(caption_glyphs) {}

  // Checks and lists a track, its texts read in code_page. utf8_file_name is the file part of
  // its path. The bytes are borrowed, not copied, for Map and CopyAs105: the caller keeps them
  // unchanged until it has drawn the map, and the API never changes them.
  const TrackReport& Open(std::span<const std::uint8_t> bytes, std::string_view utf8_file_name,
                          CodePage code_page = CodePage::k1252);

  // The report of the last Open.
  const TrackReport& Report() const { return report_; }

  // The map of the track last opened; call only after an Open that gave kRead. The image stays
  // in place from one map to the next, so a view may keep showing it.
  TrackMap Map();
  // The name the window logs for the map of the track last opened ("monza_4567_Bob"); empty for
  // a track that was not read.
  ShownText MapName() const;
  // The last map drawn, or nullptr before the first.
  const Image* LastMap() const { return map_.Picture(); }

  // The version-1.05 copy of the track last opened, in storage the API reuses; call only after
  // an Open that gave kRead.
  std::span<const std::uint8_t> CopyAs105();

 private:
  std::span<const std::uint8_t> bytes_;
  std::string file_name_;  // UTF-8
  TrackReport report_;
  MapPreview map_;
  std::vector<std::uint8_t> copy_;
};

}  // namespace tarmaxion
