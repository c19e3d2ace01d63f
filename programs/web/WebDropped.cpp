#include "programs/web/WebDropped.h"

#include <emscripten/bind.h>

#include "api/TrackMessages.h"
#include "programs/web/BindingValues.h"

namespace tarmaxion::web {
namespace {

using emscripten::val;

const char* StateName(DroppedState state) {
  switch (state) {
    case DroppedState::kConverted:
      return "converted";
    case DroppedState::kRefused:
      return "refused";
    case DroppedState::kDamaged:
      return "damaged";
    case DroppedState::kUnreadable:
      return "unreadable";
  }
  return "refused";
}

GalleryOrder OrderNamed(const std::string& name) {
  if (name == "author") return GalleryOrder::kAuthor;
  if (name == "length") return GalleryOrder::kLength;
  if (name == "best-lap") return GalleryOrder::kBestLap;
  return GalleryOrder::kName;
}

val Lines(const DroppedTrack& track) {
  val lines = val::array();
  for (const auto& line : track.lines) lines.call<void>("push", line.Utf8());
  return lines;
}

val Card(const DroppedTracks& tracks) {
  const std::size_t index = tracks.Tracks().size() - 1;
  const DroppedTrack& track = tracks.Tracks()[index];
  val card = val::object();
  card.set("index", index);
  card.set("name", track.name);
  card.set("state", StateName(track.state));
  card.set("lines", Lines(track));
  card.set("copyName", track.copy_name);
  return card;
}

val CopyValue(const DroppedTrack& track) {
  val copy = val::object();
  copy.set("name", track.copy_name);
  copy.set("bytes", MemoryView(std::span<const std::uint8_t>(track.copy)));
  return copy;
}

}  // namespace

val WebDropped::Receive(double size) {
  // The size comes from JavaScript: more than any track has is never made room for, and add then
  // finds no bytes beyond what was received.
  if (!(size >= 0 && size <= static_cast<double>(kMaxTrackFileSize))) return val::null();
  bytes_.resize(static_cast<std::size_t>(size));
  return MemoryView(std::span<const std::uint8_t>(bytes_));
}

val WebDropped::Add(const std::string& utf8_name, double size) {
  const bool received = size >= 0 && size <= static_cast<double>(bytes_.size());
  tracks_.Add(utf8_name, received ? FileRead(static_cast<std::size_t>(size)) : UnreadFile("", size), bytes_);
  return Card(tracks_);
}

val WebDropped::AddUnreadable(const std::string& utf8_name, const std::string& utf8_reason, double size) {
  tracks_.Add(utf8_name, UnreadFile(utf8_reason, size), {});
  return Card(tracks_);
}

val WebDropped::ReadTextsIn(int page) {
  tracks_.ReadTextsIn(ChosenCodePage(page));
  val cards = val::array();
  for (const auto& track : tracks_.Tracks()) cards.call<void>("push", Lines(track));
  return cards;
}

val WebDropped::Gallery(const std::string& order, const std::string& utf8_filter) const {
  val indices = val::array();
  for (const std::size_t i : tracks_.Gallery(OrderNamed(order), utf8_filter)) indices.call<void>("push", i);
  return indices;
}

val WebDropped::Copy(std::size_t index) const {
  if (index >= tracks_.Tracks().size() || tracks_.Tracks()[index].state != DroppedState::kConverted) return val::null();
  return CopyValue(tracks_.Tracks()[index]);
}

val WebDropped::Copies() const {
  val copies = val::array();
  for (const auto& track : tracks_.Tracks()) {
    if (track.state == DroppedState::kConverted) copies.call<void>("push", CopyValue(track));
  }
  return copies;
}

EMSCRIPTEN_BINDINGS(tarmaxion_dropped) {
  emscripten::class_<WebDropped>("Dropped")
      .constructor<>()
      .function("receive", &WebDropped::Receive)
      .function("add", &WebDropped::Add)
      .function("addUnreadable", &WebDropped::AddUnreadable)
      .function("clear", &WebDropped::Clear)
      .function("readTextsIn", &WebDropped::ReadTextsIn)
      .function("gallery", &WebDropped::Gallery)
      .class_function("noMatch", &WebDropped::NoMatch)
      .function("copy", &WebDropped::Copy)
      .function("copies", &WebDropped::Copies);
  emscripten::constant("zipName", std::string(kZipName));
}

}  // namespace tarmaxion::web
