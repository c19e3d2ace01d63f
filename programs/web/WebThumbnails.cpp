// The gallery's thumbnails, made in a worker with a module of its own so that hundreds of them
// never hold up the page: the map area of a track scaled down, without its caption.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <vector>

#include "api/Thumbnail.h"
#include "api/TrackApi.h"
#include "programs/web/BindingValues.h"

namespace tarmaxion::web {
namespace {

using emscripten::val;

class WebThumbnails {
 public:
  // Room for a file of size bytes, valid until the next call into the module.
  val Receive(std::size_t size) {
    bytes_.resize(size);
    return MemoryView(std::span<const std::uint8_t>(bytes_));
  }

  // The received track's map area, longer_side pixels square, as {width, height, pixels}; null
  // for a track that was not read.
  val Thumbnail(int longer_side) {
    if (api_.Open(bytes_, "").outcome != TrackOutcome::kRead) return val::null();
    const TrackMap map = api_.Map();
    if (map.image == nullptr) return val::null();
    return ImageValue(MapThumbnail(*map.image, longer_side, ThumbnailArea::kMapArea), rgba_);
  }

 private:
  TrackApi api_;  // without glyphs: the map area has no caption
  std::vector<std::uint8_t> bytes_;
  std::vector<std::uint32_t> rgba_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(tarmaxion_thumbnails) {
  emscripten::class_<WebThumbnails>("Thumbnails")
      .constructor<>()
      .function("receive", &WebThumbnails::Receive)
      .function("thumbnail", &WebThumbnails::Thumbnail);
}

}  // namespace tarmaxion::web
