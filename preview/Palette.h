// The two colour tables of the preview: terrain codes to palette indexes of the map bitmap,
// and the colours of the object markers.
#pragma once

#include <array>
#include <cstdint>

#include "gfx/Colour.h"

namespace tarmaxion {

using LandmapColourTable = std::array<std::uint8_t, 16>;
using ObjectColourTable = std::array<Colour, 16>;

// Terrain codes 0 to 15; codes 13 to 15 are black.
inline constexpr LandmapColourTable kLandmapColours = {23,  26,  42,  154, 59, 83, 89, 104,
                                                       100, 242, 245, 244, 9,  0,  0,  0};

inline constexpr ObjectColourTable kObjectColours = {
    0xA0A0A0, 0xB4B4B4, 0x60DC90, 0x80C8BE, 0x648C96, 0xA0B4BE, 0xD2DCF0, 0xFEFBF6,
    0xF0E7DC, 0xFFFFFF, 0x00FFFF, 0x0000FF, 0x3F3F3F, 0x000000, 0x000000, 0x000000};

}  // namespace tarmaxion
