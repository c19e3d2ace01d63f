// The C library: each tmx_ function is one call of the track API on a track that owns its bytes,
// its glyphs and the storage of everything it hands out. No exception crosses into C: a failed
// allocation is TMX_NO_MEMORY (or NULL from tmx_open), and texts fall back to "".
#include <cstdint>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "api/InfoJson.h"
#include "api/PngEncoder.h"
#include "api/Thumbnail.h"
#include "api/TrackApi.h"
#include "api/TrackMessages.h"
#include "glyphs/table/TableGlyphs.h"
#include "preview/Caption.h"
#include "tarmaxion/track.h"
#include "track/Conversion.h"

// A text spelled when first asked for, and kept for the later calls.
class LazyText {
 public:
  // The text spell makes, or "" when there is no memory for it.
  template <typename Spell>
  const char* Get(Spell spell) const {
    try {
      if (!text_) text_ = spell();
    } catch (const std::bad_alloc&) {
      return "";
    }
    return text_->c_str();
  }

 private:
  mutable std::optional<std::string> text_;
};

struct tmx_track {
  tmx_track(std::span<const std::uint8_t> file, std::string_view utf8_name, tarmaxion::CodePage code_page)
      : bytes(file.begin(), file.end()), name(utf8_name), api(&glyphs) {
    glyphs.LoadFont(tarmaxion::kCaptionFont, tarmaxion::kCaptionFace, tarmaxion::kCaptionPoints);
    report = api.Open(bytes, name, code_page);
  }
  // A file of more bytes than any track has: only its size is told, its bytes are neither copied
  // nor read.
  tmx_track(size_t too_large_size, std::string_view utf8_name)
      : name(utf8_name), api(&glyphs), report(tarmaxion::TooLargeReport(name, too_large_size)) {}

  std::vector<std::uint8_t> bytes;
  std::string name;
  tarmaxion::TableGlyphs glyphs;
  tarmaxion::TrackApi api;
  tarmaxion::TrackReport report;
  // A program that only wants a thumbnail never pays for the JSON.
  LazyText message;
  LazyText info_lines;
  LazyText info_json;
  LazyText copy_name;
  std::string map_name;
  // The map is drawn once, when first asked for: the bytes never change.
  const tarmaxion::Image* map = nullptr;
  bool map_drawn = false;
  std::vector<std::uint8_t> made;  // the last copy, pixels or PNG handed out
};

namespace {

using tarmaxion::TrackOutcome;

const tarmaxion::Image* DrawnMap(tmx_track& track) {
  if (!track.map_drawn && track.report.outcome == TrackOutcome::kRead) track.map = track.api.Map().image;
  track.map_drawn = true;
  return track.map;
}

// Runs make, which fills track.made, and hands the bytes out; TMX_NO_MEMORY when it could not.
template <typename Make>
int HandOut(tmx_track& track, const unsigned char** bytes, size_t* size, Make make) {
  try {
    if (const int status = make(); status != TMX_OK) return status;
  } catch (const std::bad_alloc&) {
    return TMX_NO_MEMORY;
  }
  *bytes = track.made.data();
  if (size != nullptr) *size = track.made.size();
  return TMX_OK;
}

}  // namespace

extern "C" {

const char* tmx_version(void) { return TMX_VERSION_STRING; }

tmx_track* tmx_open(const unsigned char* bytes, size_t size, const char* utf8_name) {
  return tmx_open_codepage(bytes, size, utf8_name, tarmaxion::CodePageNumber(tarmaxion::CodePage::k1252));
}

tmx_track* tmx_open_codepage(const unsigned char* bytes, size_t size, const char* utf8_name, int codepage) {
  const std::string_view name = utf8_name != nullptr ? utf8_name : "";
  const auto code_page = tarmaxion::TrackCodePage(codepage);
  if (!code_page) return nullptr;
  try {
    if (size > tarmaxion::kMaxTrackFileSize) return new tmx_track(size, name);
    return new tmx_track(std::span(bytes, bytes != nullptr ? size : 0), name, *code_page);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

const char* tmx_codepage_problem(int codepage) {
  // The messages of the few numbers a program asks about, kept for as long as it runs.
  static thread_local std::string problem;
  if (tarmaxion::TrackCodePage(codepage)) return "";
  try {
    problem = tarmaxion::UnsupportedCodePageMessage(std::to_string(codepage));
  } catch (const std::bad_alloc&) {
    return "code page not supported";
  }
  return problem.c_str();
}

int tmx_status(const tmx_track* track) {
  if (track == nullptr) return TMX_REFUSED;
  switch (track->report.outcome) {
    case TrackOutcome::kRead: return TMX_READ;
    case TrackOutcome::kRefused: return TMX_REFUSED;
    case TrackOutcome::kDamaged: return TMX_DAMAGED;
    case TrackOutcome::kTooLarge: return TMX_TOO_LARGE;
  }
  return TMX_REFUSED;
}

const char* tmx_message(const tmx_track* track) {
  if (track == nullptr) return "";
  return track->message.Get([&] { return track->report.message.Utf8(); });
}

const char* tmx_info_lines(const tmx_track* track) {
  if (track == nullptr) return "";
  return track->info_lines.Get([&] {
    std::string lines;
    for (const auto& line : track->report.info_lines) (lines += line.Utf8()) += '\n';
    return lines;
  });
}

const char* tmx_info_json(const tmx_track* track) {
  if (track == nullptr) return "";
  return track->info_json.Get([&] { return tarmaxion::JsonLine(tarmaxion::InfoJson(track->report, track->name)); });
}

const char* tmx_copy_name(const tmx_track* track) {
  if (track == nullptr) return "";
  return track->copy_name.Get([&] { return tarmaxion::ConvertedName(track->name); });
}

const char* tmx_map_name(tmx_track* track) {
  if (track == nullptr) return "";
  try {
    track->map_name = track->api.MapName().Utf8();
  } catch (const std::bad_alloc&) {
    track->map_name.clear();
  }
  return track->map_name.c_str();
}

int tmx_copy_as_105(tmx_track* track, const unsigned char** bytes, size_t* size) {
  if (track == nullptr || bytes == nullptr) return TMX_BAD_ARGUMENT;
  return HandOut(*track, bytes, size, [&] {
    const auto copy = track->api.CopyAs105();
    if (copy.empty()) return TMX_NOT_READ;
    track->made.assign(copy.begin(), copy.end());
    return TMX_OK;
  });
}

int tmx_map_rgba(tmx_track* track, const unsigned char** pixels, int* width, int* height) {
  if (track == nullptr || pixels == nullptr) return TMX_BAD_ARGUMENT;
  const tarmaxion::Image* map = nullptr;
  const int status = HandOut(*track, pixels, nullptr, [&] {
    map = DrawnMap(*track);
    if (map == nullptr) return TMX_NOT_READ;
    track->made.clear();
    track->made.reserve(map->Pixels().size() * 4);
    for (const auto colour : map->Pixels()) {
      track->made.insert(track->made.end(),
                         {tarmaxion::RedOf(colour), tarmaxion::GreenOf(colour), tarmaxion::BlueOf(colour), 0xFF});
    }
    return TMX_OK;
  });
  if (status != TMX_OK) return status;
  if (width != nullptr) *width = map->Width();
  if (height != nullptr) *height = map->Height();
  return TMX_OK;
}

int tmx_map_png(tmx_track* track, int size, int map_only, const unsigned char** png, size_t* png_size) {
  if (track == nullptr || png == nullptr || size < 0) return TMX_BAD_ARGUMENT;
  return HandOut(*track, png, png_size, [&] {
    const auto* map = DrawnMap(*track);
    if (map == nullptr) return TMX_NOT_READ;
    const auto area = map_only != 0 ? tarmaxion::ThumbnailArea::kMapArea : tarmaxion::ThumbnailArea::kWholeMap;
    auto encoded = tarmaxion::EncodePng(tarmaxion::MapThumbnail(*map, size > 0 ? size : map->Height(), area));
    if (!encoded) return TMX_NO_MEMORY;
    track->made = std::move(*encoded);
    return TMX_OK;
  });
}

void tmx_close(tmx_track* track) { delete track; }

}  // extern "C"
