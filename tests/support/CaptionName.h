// Whether a map's caption shows a track's name in the letters of the glyphs that drew it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "gfx/Raster.h"
#include "preview/Caption.h"
#include "preview/MapImage.h"

namespace tarmaxion::testing {

inline ::testing::AssertionResult CaptionShowsName(const Image& map, const GlyphSource& glyphs, std::string_view utf8_name) {
  const ShownText name = ShownText::FromUtf8(utf8_name);
  const GlyphMask letters = glyphs.RenderText(kCaptionFont, name);
  if (letters.ink == glyphs.RenderText(kCaptionFont, Text(name.Length(), '?')).ink) {
    return ::testing::AssertionFailure() << "the glyphs draw " << utf8_name << " as \"?\"";
  }
  // Drawing the name over the map changes nothing where it is already there.
  Image expected = map;
  DrawLabel(expected, 90, 520, letters, Rgb(255, 255, 255), kBackgroundColour);
  if (std::ranges::equal(expected.Pixels(), map.Pixels())) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the caption does not show " << utf8_name;
}

}  // namespace tarmaxion::testing
