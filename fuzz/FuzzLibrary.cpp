// Arbitrary bytes through the public C library, as a track site hands it an upload: open, the
// texts, the copy, the pixels and a PNG at a size taken from the input's length (0 to 599, so
// the full map, odd sizes and sizes past the map's all come up), with and without the caption
// band. Each input is its own track, opened and closed, as a program uses the library. Any
// crash, sanitizer report, leak or hang is a bug.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "tarmaxion/track.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tmx_track* track = tmx_open(data, size, "upload.trk");
  if (track == nullptr) return 0;
  volatile std::size_t text_bytes = std::strlen(tmx_message(track)) + std::strlen(tmx_info_lines(track)) +
                                    std::strlen(tmx_info_json(track)) + std::strlen(tmx_copy_name(track));
  if (tmx_status(track) == TMX_READ) {
    const unsigned char* bytes = nullptr;
    std::size_t made = 0;
    int width = 0;
    int height = 0;
    if (tmx_copy_as_105(track, &bytes, &made) == TMX_OK) text_bytes = text_bytes + bytes[made - 1];
    if (tmx_map_rgba(track, &bytes, &width, &height) == TMX_OK) text_bytes = text_bytes + bytes[width * height * 4 - 1];
    if (tmx_map_png(track, static_cast<int>(size % 600), static_cast<int>(size % 2), &bytes, &made) == TMX_OK) {
      text_bytes = text_bytes + bytes[made - 1];
    }
    text_bytes = text_bytes + std::strlen(tmx_map_name(track));
  }
  (void)text_bytes;
  tmx_close(track);
  return 0;
}
