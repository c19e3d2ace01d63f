// What the page's bindings hand over in the same shape: views of the module's memory, pictures
// as RGBA rows, and the reason a file the browser could not read arrives with.
#pragma once

#include <emscripten/val.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/CodePage.h"
#include "base/Files.h"
#include "gfx/Image.h"

namespace tarmaxion::web {

// A view of the module's memory, valid until the next call into the module.
template <typename Element>
emscripten::val MemoryView(std::span<const Element> data) {
  return emscripten::val(emscripten::typed_memory_view(data.size(), data.data()));
}

// {width, height, pixels}: the image as RGBA bytes row by row, in rgba, which is reused from one
// picture to the next.
emscripten::val ImageValue(const Image& image, std::vector<std::uint32_t>& rgba);

// A file of size bytes that the browser did not read: too large for any track, or utf8_reason
// (the browser's, or kFolderReason).
FileRead UnreadFile(const std::string& utf8_reason, double size);

// The track code page the page chose by number; a number that names none reads as Western.
inline CodePage ChosenCodePage(int number) { return TrackCodePage(number).value_or(CodePage::k1252); }

}  // namespace tarmaxion::web
