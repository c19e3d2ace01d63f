// The page's view of the track API, through embind: bytes and names in, plain JavaScript values
// out. Texts cross as UTF-8; the core keeps Windows-1252, converted both ways here, so a name
// the browser gives is shown and cut exactly as the window shows a file name.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "window/StatusLog.h"
#include "api/TrackApi.h"
#include "api/TrackMessages.h"
#include "base/Encoding.h"
#include "glyphs/table/TableGlyphs.h"
#include "preview/Caption.h"
#include "track/Conversion.h"

namespace tarmaxion::web {
namespace {

using emscripten::val;

const char* OutcomeName(TrackOutcome outcome) {
  switch (outcome) {
    case TrackOutcome::kRead:
      return "read";
    case TrackOutcome::kRefused:
      return "refused";
    case TrackOutcome::kDamaged:
      return "damaged";
    case TrackOutcome::kTooLarge:
      return "too-large";
  }
  return "refused";
}

val ReportValue(const TrackReport& report) {
  val lines = val::array();
  for (const auto& line : report.info_lines) lines.call<void>("push", Utf8FromWindows1252(line));
  val result = val::object();
  result.set("outcome", OutcomeName(report.outcome));
  result.set("message", Utf8FromWindows1252(report.message));
  result.set("lines", lines);
  return result;
}

template <typename Element>
val View(std::span<const Element> data) {
  return val(emscripten::typed_memory_view(data.size(), data.data()));
}

class WebConverter {
 public:
  WebConverter() : api_(&glyphs_), log_(FreshStatusLog("\n")) {
    glyphs_.LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
  }

  // Room for a file of size bytes; the page copies the file into the returned view, which is
  // valid until the next call into the module.
  val Receive(std::size_t size) {
    bytes_.resize(size);
    return View(std::span<const std::uint8_t>(bytes_));
  }

  // Checks and lists the bytes received last under the browser's (Unicode) file name.
  val Open(const std::string& utf8_name) { return ReportValue(api_.Open(bytes_, DisplayName(utf8_name))); }

  // The report of a file too large to be read into the page at all.
  val TooLarge(const std::string& utf8_name, double size) {
    return ReportValue(TooLargeReport(DisplayName(utf8_name), static_cast<std::uintmax_t>(size)));
  }

  // Draws the map of the track opened last: {name, pixels} with the pixels as RGBA bytes row by
  // row (valid until the next call), or null when no map could be made.
  val Map() {
    const TrackMap map = api_.Map();
    if (map.image == nullptr) return val::null();
    const auto pixels = map.image->Pixels();
    rgba_.resize(pixels.size());
    // Colours are 0x00BBGGRR: in memory red, green, blue and a zero the canvas takes as alpha.
    for (std::size_t i = 0; i < pixels.size(); ++i) rgba_[i] = pixels[i] | 0xFF000000U;
    val result = val::object();
    result.set("name", Utf8FromWindows1252(map.name));
    result.set("width", map.image->Width());
    result.set("height", map.image->Height());
    result.set("pixels", val(emscripten::typed_memory_view(rgba_.size() * 4,
                                                           reinterpret_cast<const std::uint8_t*>(rgba_.data()))));
    return result;
  }

  // The 1.05 copy of the track opened last (valid until the next call), empty unless it was read.
  val CopyAs105() { return View(api_.CopyAs105()); }

  // Adds a message to the six-line log and returns the panel's text, each line ended by "\n".
  std::string Log(const std::string& utf8_message) {
    log_.status_line = Windows1252FromUtf8(utf8_message);
    PushStatusLine(log_);
    return Utf8FromWindows1252(log_.status_line);
  }

 private:
  TableGlyphs glyphs_;
  TrackApi api_;
  StatusLog log_;
  std::vector<std::uint8_t> bytes_;
  std::vector<std::uint32_t> rgba_;
};

std::string ConvertedFileName(const std::string& utf8_name) { return ConvertedName(utf8_name); }

}  // namespace

EMSCRIPTEN_BINDINGS(tarmaxion) {
  emscripten::class_<WebConverter>("Converter")
      .constructor<>()
      .function("receive", &WebConverter::Receive)
      .function("open", &WebConverter::Open)
      .function("tooLarge", &WebConverter::TooLarge)
      .function("map", &WebConverter::Map)
      .function("copyAs105", &WebConverter::CopyAs105)
      .function("log", &WebConverter::Log);
  emscripten::function("convertedName", &ConvertedFileName);
  emscripten::constant("maxTrackSize", static_cast<double>(kMaxTrackFileSize));
}

}  // namespace tarmaxion::web
