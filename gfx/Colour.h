// Colour values as the program passes them everywhere: 24-bit RGB packed as 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace tarmaxion {

using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Colour{red} | Colour{green} << 8 | Colour{blue} << 16;
}

constexpr std::uint8_t RedOf(Colour c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t GreenOf(Colour c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t BlueOf(Colour c) { return static_cast<std::uint8_t>(c >> 16); }

}  // namespace tarmaxion
