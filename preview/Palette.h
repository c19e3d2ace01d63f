// The two colour tables of the preview: terrain codes to the colours of the landmap, and the
// colours of the object markers.
#pragma once

#include <array>

#include "gfx/Colour.h"

namespace tarmaxion {

using LandmapColourTable = std::array<Colour, 16>;
using ObjectColourTable = std::array<Colour, 16>;

// Terrain codes 0 to 15; codes 13 to 15 are black.
inline constexpr LandmapColourTable kLandmapColours = {
    Rgb(158, 158, 158), Rgb(179, 179, 179), Rgb(145, 202, 91),  Rgb(190, 210, 130),
    Rgb(160, 135, 110), Rgb(211, 172, 158), Rgb(250, 220, 210), Rgb(245, 250, 255),
    Rgb(220, 230, 239), Rgb(255, 255, 255), Rgb(255, 255, 0),   Rgb(255, 0, 0),
    Rgb(62, 62, 62),    Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0)};

inline constexpr ObjectColourTable kObjectColours = {
    0xA0A0A0, 0xB4B4B4, 0x60DC90, 0x80C8BE, 0x648C96, 0xA0B4BE, 0xD2DCF0, 0xFEFBF6,
    0xF0E7DC, 0xFFFFFF, 0x00FFFF, 0x0000FF, 0x3F3F3F, 0x000000, 0x000000, 0x000000};

}  // namespace tarmaxion
