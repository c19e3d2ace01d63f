// The tracks dropped on the page (or chosen several at once) since it opened or since its list
// was cleared: each with its 1.05 copy under a name no other copy in the list has, what a card of
// the gallery shows, and the zip's log lines. Nothing a drop brings is left out of the list.
// Track texts are read in the chosen code page, and read again when another is chosen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "api/TrackApi.h"
#include "api/UniqueNames.h"
#include "base/CodePage.h"
#include "base/Files.h"
#include "base/ShownText.h"
#include "track/TrackInfo.h"

namespace tarmaxion {

// The zip that holds the copies of every dropped track that was read.
inline constexpr const char* kZipName = "tracks_c.zip";

enum class DroppedState {
  kConverted,   // read; its copy goes into the zip
  kRefused,     // another version, no track at all, or too large for one
  kDamaged,     // a region of the file lies outside its data
  kUnreadable,  // the file could not be read (a folder, gone, no permission)
};

struct DroppedTrack {
  std::string name;  // the file's name, UTF-8
  DroppedState state = DroppedState::kRefused;
  // kConverted: the copy's name, unique in the list with case ignored, and its bytes.
  std::string copy_name;
  std::vector<std::uint8_t> copy;
  // What the card says: for a converted track the version, length and author lines of the info
  // list and its best lap in seconds; otherwise the log's message why it was not converted.
  std::vector<ShownText> lines;
  // kConverted: the listed fields, for the card's lines and the gallery's order.
  TrackInfo info;
  std::string search_text;  // case-folded UTF-8 of the name, the lines and the copy's name
};

enum class GalleryOrder { kName, kAuthor, kLength, kBestLap };

class DroppedTracks {
 public:
  // A dropped file: read gives how many of bytes arrived, or why none did.
  const DroppedTrack& Add(std::string_view utf8_name, const FileRead& read, std::span<const std::uint8_t> bytes);
  void Clear();
  // Tracks added from now on read their texts in page, and the tracks in the list read theirs
  // again: their cards, the author order and the filter follow. The copies stay as they are.
  void ReadTextsIn(CodePage page);

  const std::vector<DroppedTrack>& Tracks() const { return tracks_; }
  // The tracks whose name, card lines or copy name hold utf8_filter with case ignored, in the
  // order given; ties keep the order of the drops. Tracks that were not converted have no
  // author, length or best lap and come after the others in those orders.
  std::vector<std::size_t> Gallery(GalleryOrder order, std::string_view utf8_filter) const;
  // What the gallery says when no track holds utf8_filter: "No track matches" and the filter
  // in curly quotes.
  static ShownText NoMatchMessage(std::string_view utf8_filter);

  // The log's line after the zip was handed over ("saved 512 of 521 tracks in tracks_c.zip;
  // 9 refused, see the list"), or when there was nothing to put in it.
  ShownText ZipSavedMessage() const;
  ShownText NothingToConvertMessage() const;

 private:
  // "; 6 refused, 2 damaged, 1 unreadable, see the list", or "" when every track was converted.
  Text NotConvertedCounts() const;

  TrackApi api_;
  CodePage code_page_ = CodePage::k1252;
  UniqueNames copy_names_;
  std::vector<DroppedTrack> tracks_;
};

}  // namespace tarmaxion
