// Pixels of 32-bit device-independent bitmaps, for the window's backend and for the thumbnail
// handler. Our Colour is 0x00BBGGRR; a 32-bit DIB pixel is 0x00RRGGBB. Swapping red and blue
// converts either way, and keeps the top byte 0 as GDI itself writes it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tarmaxion::win32 {

constexpr std::uint32_t SwapRedBlue(std::uint32_t value) {
  return (value & 0xFFu) << 16 | (value & 0xFF00u) | (value >> 16 & 0xFFu);
}

// The header of a top-down 32-bit BI_RGB bitmap, rows in the order an Image keeps them.
inline BITMAPINFO TopDown32BitInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace tarmaxion::win32
