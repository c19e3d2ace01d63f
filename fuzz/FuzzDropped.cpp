// Arbitrary dropped files through the page's list: the first byte gives the length of the name,
// then the name's bytes (any bytes, UTF-8 or not), then the file's. One list takes input after
// input, so names clash with earlier ones and the case folding and numbering meet every kind of
// name; the gallery is filtered by the name and ordered each way. Any crash, sanitizer report or
// hang is a bug.
#include <cstdint>
#include <span>
#include <string_view>

#include "window/DroppedTracks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tarmaxion::DroppedTracks tracks;
  if (size == 0) return 0;
  const std::size_t name_size = data[0] < size - 1 ? data[0] : size - 1;
  const std::string_view name(reinterpret_cast<const char*>(data + 1), name_size);
  const auto bytes = std::span(data + 1 + name_size, size - 1 - name_size);
  // The list grows by one input each time; a few hundred keep it as large as a big drop.
  if (tracks.Tracks().size() >= 300) tracks.Clear();
  tracks.Add(name, tarmaxion::FileRead(bytes.size()), bytes);
  for (const auto order : {tarmaxion::GalleryOrder::kName, tarmaxion::GalleryOrder::kAuthor,
                           tarmaxion::GalleryOrder::kLength, tarmaxion::GalleryOrder::kBestLap}) {
    volatile auto shown = tracks.Gallery(order, name).size();
    (void)shown;
  }
  volatile auto line = tracks.ZipSavedMessage().Utf8().size();
  (void)line;
  return 0;
}
