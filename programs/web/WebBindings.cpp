// The page's view of the core, through embind: the window model (the window's rules and its
// loaded track) and, for the zip of dropped tracks, the track API. Bytes and names go in,
// plain JavaScript values come out; texts cross as UTF-8, spelled once from the core's
// messages, so the page shows every character the window's log holds.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "api/TrackApi.h"
#include "api/TrackMessages.h"
#include "base/Text.h"
#include "glyphs/table/TableGlyphs.h"
#include "preview/Caption.h"
#include "track/Conversion.h"
#include "window/WindowModel.h"

namespace tarmaxion::web {
namespace {

using emscripten::val;

const Text kPageLineBreak = "\n";

Text Count(std::size_t count) { return DecimalText(static_cast<std::int64_t>(count)); }

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

template <typename Element>
val MemoryView(std::span<const Element> data) {
  return val(emscripten::typed_memory_view(data.size(), data.data()));
}

// The map as RGBA bytes row by row, in storage reused from one map to the next.
val MapValue(const Image& image, std::vector<std::uint32_t>& rgba) {
  const auto pixels = image.Pixels();
  rgba.resize(pixels.size());
  // Colours are 0x00BBGGRR: in memory red, green, blue and a zero the canvas takes as alpha.
  for (std::size_t i = 0; i < pixels.size(); ++i) rgba[i] = pixels[i] | 0xFF000000U;
  val map = val::object();
  map.set("width", image.Width());
  map.set("height", image.Height());
  map.set("pixels", val(emscripten::typed_memory_view(rgba.size() * 4, reinterpret_cast<const std::uint8_t*>(rgba.data()))));
  return map;
}

ChosenFile Unreadable(const std::string& utf8_name, const std::string& utf8_reason, double size) {
  if (size > static_cast<double>(kMaxTrackFileSize)) {
    return {utf8_name, ReadFailure{ReadProblem::kTooLarge, "", 0, static_cast<std::uintmax_t>(size)}};
  }
  return {utf8_name, ReadFailure{ReadProblem::kCannotOpen, utf8_reason}};
}

// The window: the page's info list, map view and log panel show what this model says.
class WebWindow {
 public:
  WebWindow() : model_(&glyphs_) {
    glyphs_.LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
    model_.Start();
  }

  // Room for a file of size bytes; the page copies the file into the returned view, which is
  // valid until the next call into the module.
  val Receive(std::size_t size) { return MemoryView(std::span<const std::uint8_t>(model_.ReadBuffer().first(size))); }

  // The load command on a file whose size bytes were received, or on one that could not be read
  // (too large for any track, or the browser's reason); dropped: how many files a drop held
  // (0 for the chooser).
  void Load(const std::string& utf8_name, double size, std::size_t dropped) {
    Run({utf8_name, FileRead(static_cast<std::size_t>(size))}, dropped);
  }
  void LoadUnreadable(const std::string& utf8_name, const std::string& utf8_reason, double size, std::size_t dropped) {
    Run(Unreadable(utf8_name, utf8_reason, size), dropped);
  }

  // Which item of a drop loads (each item true for a file, false for a folder):
  // {load, files}, or null for an empty drop.
  val PlanDrop(const val& is_file) {
    std::vector<DropKind> kinds;
    for (const bool file : emscripten::vecFromJSArray<bool>(is_file)) kinds.push_back(file ? DropKind::kFile : DropKind::kOther);
    const auto plan = tarmaxion::PlanDrop(kinds);
    if (!plan) return val::null();
    val result = val::object();
    result.set("load", plan->load);
    result.set("files", plan->files);
    return result;
  }

  // The save command: the copy's name and bytes (valid until the next call), or null when the
  // command goes no further; Saved logs that the download was handed over.
  val Save() {
    const auto default_path = model_.BeginSave();
    if (!default_path) return val::null();
    val copy = val::object();
    copy.set("name", FilePart(*default_path));
    copy.set("bytes", MemoryView(model_.SaveAs105()));
    return copy;
  }
  void Saved(const std::string& utf8_name) { model_.Saved(utf8_name, Done{}); }

  // What the window shows: {infoLines, log, map (or null when it did not change), mapIsCurrent,
  // mapName}; log is the panel's text, every line ended by "\n".
  val View() {
    const auto changes = model_.TakeChanges();
    val lines = val::array();
    for (const auto& line : model_.InfoLines()) lines.call<void>("push", line.Utf8());
    val view = val::object();
    view.set("infoLines", lines);
    view.set("log", model_.StatusLines().Panel(kPageLineBreak).Utf8());
    view.set("map", changes.map && model_.MapImage() != nullptr ? MapValue(*model_.MapImage(), rgba_) : val::null());
    view.set("mapIsCurrent", model_.MapIsCurrent());
    view.set("trackName", FilePart(model_.TrackPath()));
    return view;
  }

  // The page's own commands report through the window's log.
  void LogNothingToConvert() { model_.Log("Nothing to convert: drop tracks first"); }
  void LogZipSaved(std::size_t copies, std::size_t dropped) {
    model_.Log("saved " + Count(copies) + " of " + Count(dropped) + " tracks in tracks_c.zip");
  }
  void LogNoMap() { model_.Log("No map to save: load a track first"); }
  void LogMapNotSaved(const std::string& utf8_name) {
    model_.Log(NotSavedMessage(utf8_name, "the map could not be encoded"));
  }
  void LogError(const std::string& utf8_what) { model_.Log("Error: " + ShownText::FromUtf8(utf8_what)); }

 private:
  void Run(const ChosenFile& file, std::size_t dropped) {
    if (dropped > 0) {
      model_.LoadDropped(file, DropPlan{0, dropped});
    } else {
      model_.Load(file);
    }
  }

  TableGlyphs glyphs_;
  WindowModel model_;
  std::vector<std::uint32_t> rgba_;
};

// The tracks of a drop, each converted on its own for the zip: outcome, the core's reason for
// a track that was not read, and its copy.
class Converter {
 public:
  val Receive(std::size_t size) {
    bytes_.resize(size);
    return MemoryView(std::span<const std::uint8_t>(bytes_));
  }

  val Convert(const std::string& utf8_name, double size) {
    const TrackReport& report = size > static_cast<double>(kMaxTrackFileSize)
                                    ? (too_large_ = TooLargeReport(utf8_name, static_cast<std::uintmax_t>(size)))
                                    : api_.Open(bytes_, utf8_name);
    val result = val::object();
    result.set("outcome", OutcomeName(report.outcome));
    result.set("reason", report.message.Utf8());
    result.set("copyName", FilePart(ConvertedName(utf8_name)));
    result.set("copy", report.outcome == TrackOutcome::kRead ? MemoryView(api_.CopyAs105()) : val::null());
    return result;
  }

  // Why a dropped item could not be read at all (the browser's reason, or folderReason), as the
  // window's log says it.
  static std::string Unreadable(const std::string& utf8_name, const std::string& utf8_reason) {
    return ReadMessage(web::Unreadable(utf8_name, utf8_reason, 0).read, utf8_name).value_or(ShownText()).Utf8();
  }

 private:
  TrackApi api_;
  TrackReport too_large_;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(tarmaxion) {
  emscripten::class_<WebWindow>("Window")
      .constructor<>()
      .function("receive", &WebWindow::Receive)
      .function("load", &WebWindow::Load)
      .function("loadUnreadable", &WebWindow::LoadUnreadable)
      .function("planDrop", &WebWindow::PlanDrop)
      .function("save", &WebWindow::Save)
      .function("saved", &WebWindow::Saved)
      .function("view", &WebWindow::View)
      .function("logNothingToConvert", &WebWindow::LogNothingToConvert)
      .function("logZipSaved", &WebWindow::LogZipSaved)
      .function("logNoMap", &WebWindow::LogNoMap)
      .function("logMapNotSaved", &WebWindow::LogMapNotSaved)
      .function("logError", &WebWindow::LogError);
  emscripten::class_<Converter>("Converter")
      .constructor<>()
      .function("receive", &Converter::Receive)
      .function("convert", &Converter::Convert)
      .class_function("unreadable", &Converter::Unreadable);
  emscripten::constant("maxTrackSize", static_cast<double>(kMaxTrackFileSize));
  emscripten::constant("folderReason", std::string(kFolderReason));
}

}  // namespace tarmaxion::web
