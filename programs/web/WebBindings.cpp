// The page's view of the core, through embind: the window model (the window's rules and its
// loaded track) with the map's note and picture name. The list of dropped tracks is
// WebDropped's; the gallery's thumbnails and the map's PNG come from the npm package's module
// (programs/npm). Bytes and names go in, plain JavaScript
// values come out; texts cross as UTF-8, spelled once from the core's messages, so the page
// shows every character the window's log holds.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "api/TrackMessages.h"
#include "base/LocaleCodePage.h"
#include "base/PathParts.h"
#include "base/Text.h"
#include "glyphs/table/TableGlyphs.h"
#include "preview/Caption.h"
#include "programs/web/BindingValues.h"
#include "programs/web/WebDropped.h"
#include "window/MapPicture.h"
#include "window/WindowModel.h"

namespace tarmaxion::web {
namespace {

using emscripten::val;

const Text kPageLineBreak = "\n";

// The window: the page's info list, map view and log panel show what this model says.
class WebWindow {
 public:
  WebWindow() : model_(&glyphs_) {
    glyphs_.LoadFont(kCaptionFont, kCaptionFace, kCaptionPoints);
    model_.Start();
  }

  // Room for a file of size bytes; the page copies the file into the returned view, which is
  // valid until the next call into the module. Null for more bytes than the buffer holds: Load
  // then refuses the file as too large.
  val Receive(double size) {
    if (!Fits(size)) return val::null();
    return MemoryView(std::span<const std::uint8_t>(model_.ReadBuffer().first(static_cast<std::size_t>(size))));
  }

  // The load command on a file whose size bytes were received, or on one that could not be read
  // (too large for any track, or the browser's reason); dropped: how many files a drop held
  // (0 for the chooser).
  void Load(const std::string& utf8_name, double size, std::size_t dropped) {
    Run({utf8_name, Fits(size) ? FileRead(static_cast<std::size_t>(size)) : UnreadFile("", size)}, dropped);
  }
  void LoadUnreadable(const std::string& utf8_name, const std::string& utf8_reason, double size, std::size_t dropped) {
    Run({utf8_name, UnreadFile(utf8_reason, size)}, dropped);
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

  // What the window shows: {infoLines, log, map (or null when it did not change), mapNote ("" or
  // what the map view says over a picture that is not the last load's map)}; log is the panel's
  // text, every line ended by "\n".
  val View() {
    const auto changes = model_.TakeChanges();
    val lines = val::array();
    for (const auto& line : model_.InfoLines()) lines.call<void>("push", line.Utf8());
    val view = val::object();
    view.set("infoLines", lines);
    view.set("log", model_.StatusLines().Panel(kPageLineBreak).Utf8());
    view.set("map", changes.map && model_.MapImage() != nullptr ? ImageValue(*model_.MapImage(), rgba_) : val::null());
    view.set("mapNote", MapNote(model_).value_or(ShownText()).Utf8());
    return view;
  }

  // "save map as PNG": the name to save the map view's picture under, or null when it shows no
  // map of the last load, which the log then says.
  val SaveMap() {
    const auto name = MapPictureToSave(model_);
    if (name) return val(*name);
    model_.Log(name.Failure());
    return val::null();
  }

  // Track texts are read in the page numbered page from now on. True when the shown track is
  // to be listed in it again: the page then loads the bytes it still holds once more, as the
  // buffer carries the copy's object types since the map was drawn.
  bool ReadTextsIn(int page) {
    model_.SetTrackCodePage(ChosenCodePage(page));
    return model_.State() == LoadState::kListed || model_.State() == LoadState::kMapped;
  }

  // The page's own commands report through the window's log.
  void LogNothingToConvert(const WebDropped& dropped) { model_.Log(dropped.Tracks().NothingToConvertMessage()); }
  void LogZipSaved(const WebDropped& dropped) { model_.Log(dropped.Tracks().ZipSavedMessage()); }
  void LogMapNotSaved(const std::string& utf8_name) {
    model_.Log(NotSavedMessage(utf8_name, "the map could not be encoded"));
  }
  void LogError(const std::string& utf8_what) { model_.Log("Error: " + ShownText::FromUtf8(utf8_what)); }

 private:
  // Whether size bytes fit the model's buffer: a size from JavaScript may be anything.
  bool Fits(double size) { return size >= 0 && size <= static_cast<double>(model_.ReadBuffer().size()); }

  void Run(const ChosenFile& file, std::size_t dropped) {
    if (dropped > 0) {
      model_.LoadDropped(file, DropPlan{0, dropped, DropRest::kListed});
    } else {
      model_.Load(file);
    }
  }

  TableGlyphs glyphs_;
  WindowModel model_;
  std::vector<std::uint32_t> rgba_;
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
      .function("saveMap", &WebWindow::SaveMap)
      .function("readTextsIn", &WebWindow::ReadTextsIn)
      .function("logNothingToConvert", &WebWindow::LogNothingToConvert)
      .function("logZipSaved", &WebWindow::LogZipSaved)
      .function("logMapNotSaved", &WebWindow::LogMapNotSaved)
      .function("logError", &WebWindow::LogError);
  // The page a browser's language (navigator.language) implies, for "automatic".
  emscripten::function("codePageOfLocale", +[](const std::string& tag) { return CodePageNumber(CodePageOfLocale(tag)); });
  emscripten::constant("maxTrackSize", static_cast<double>(kMaxTrackFileSize));
  emscripten::constant("folderReason", std::string(kFolderReason));
}

}  // namespace tarmaxion::web
