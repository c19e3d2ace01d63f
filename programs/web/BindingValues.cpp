#include "programs/web/BindingValues.h"

#include <algorithm>

#include "api/TrackMessages.h"

namespace tarmaxion::web {

emscripten::val ImageValue(const Image& image, std::vector<std::uint32_t>& rgba) {
  const auto pixels = image.Pixels();
  rgba.resize(pixels.size());
  // Colours are 0x00BBGGRR: in memory red, green, blue and a zero the canvas takes as alpha.
  for (std::size_t i = 0; i < pixels.size(); ++i) rgba[i] = pixels[i] | 0xFF000000U;
  emscripten::val value = emscripten::val::object();
  value.set("width", image.Width());
  value.set("height", image.Height());
  value.set("pixels", MemoryView(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(rgba.data()),
                                                                rgba.size() * 4)));
  return value;
}

FileRead UnreadFile(const std::string& utf8_reason, double size) {
  if (size > static_cast<double>(kMaxTrackFileSize)) {
    // A size from JavaScript may be any number, Infinity included; the message needs only one
    // that a byte count can hold.
    constexpr double kLargestCount = 9.0e15;
    return ReadFailure{ReadProblem::kTooLarge, "", 0, static_cast<std::uintmax_t>(std::min(size, kLargestCount))};
  }
  return ReadFailure{ReadProblem::kCannotOpen, utf8_reason};
}

}  // namespace tarmaxion::web
