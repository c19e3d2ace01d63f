// The page's list of dropped tracks and its gallery, over DroppedTracks: the bytes of each
// dropped file go in; its card, the gallery's order and the copies for the zip come out.
#pragma once

#include <emscripten/val.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "window/DroppedTracks.h"

namespace tarmaxion::web {

class WebDropped {
 public:
  // Room for a file of size bytes, valid until the next call into the module.
  emscripten::val Receive(double size);
  // Adds the file whose size bytes were received, or one the browser could not read (too large
  // for any track, or its reason); either way its card: {index, name, state ("converted",
  // "refused", "damaged" or "unreadable"), lines, copyName}.
  emscripten::val Add(const std::string& utf8_name, double size);
  emscripten::val AddUnreadable(const std::string& utf8_name, const std::string& utf8_reason, double size);
  void Clear() { tracks_.Clear(); }
  // Reads every track's texts in the page numbered page, and those of tracks added later: the
  // lines of every card, in the order of the cards.
  emscripten::val ReadTextsIn(int page);

  // The indices of the cards to show, in order: "name", "author", "length" or "best-lap".
  emscripten::val Gallery(const std::string& order, const std::string& utf8_filter) const;
  // What the gallery says when the filter holds no track.
  static std::string NoMatch(const std::string& utf8_filter) { return DroppedTracks::NoMatchMessage(utf8_filter).Utf8(); }
  // One card's copy {name, bytes}, or null for a track that was not converted; and every copy,
  // for the zip. The bytes are valid until the next call into the module.
  emscripten::val Copy(std::size_t index) const;
  emscripten::val Copies() const;

  const DroppedTracks& Tracks() const { return tracks_; }

 private:
  DroppedTracks tracks_;
  std::vector<std::uint8_t> bytes_;
};

}  // namespace tarmaxion::web
