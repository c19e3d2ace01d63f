// Test helpers for comparing our drawing with GDI's: a 32-bit DIB section in a memory device
// context, and a tally that counts compared and differing cases and describes the first few.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/Image.h"
#include "system/win32/DibPixels.h"
#include "tests/support/TextPrinting.h"

namespace tarmaxion::win32::oracle {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr int kReportedCases = 5;  // cases described in full when they differ

// A memory device context with a top-down 32-bit DIB section selected.
class GdiCanvas {
 public:
  GdiCanvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~GdiCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }

  void CopyFrom(const Image& image) {
    GdiFlush();
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) bits_[y * width_ + x] = SwapRedBlue(image.At(x, y));
    }
  }
  Image ToImage() const {
    GdiFlush();
    Image image(width_, height_);
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) image.Set(x, y, SwapRedBlue(bits_[y * width_ + x]));
    }
    return image;
  }

  // Runs draw with a pen and a solid brush of the colour selected.
  void WithPenAndBrush(Colour colour, const std::function<void(HDC)>& draw) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old_pen = SelectObject(dc_, pen);
    HGDIOBJ old_brush = SelectObject(dc_, brush);
    draw(dc_);
    SelectObject(dc_, old_pen);
    SelectObject(dc_, old_brush);
    DeleteObject(pen);
    DeleteObject(brush);
  }

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// "(x,y) ours=... gdi=..." for every pixel where two images of one size differ.
inline std::vector<std::string> Differences(const Image& ours, const Image& gdi) {
  std::vector<std::string> found;
  for (int y = 0; y < ours.Height(); ++y) {
    for (int x = 0; x < ours.Width(); ++x) {
      if (ours.At(x, y) == gdi.At(x, y)) continue;
      char text[64];
      std::snprintf(text, sizeof(text), "(%d,%d) ours=%06X gdi=%06X", x, y, ours.At(x, y),
                    gdi.At(x, y));
      found.emplace_back(text);
    }
  }
  return found;
}

// The parts written one after another: the text of a case for a failure message.
template <typename... Parts>
std::string Describe(const Parts&... parts) {
  std::ostringstream text;
  (text << ... << parts);
  return text.str();
}

// Counts cases and differing cases, and describes the first few that differ.
class Tally {
 public:
  explicit Tally(std::string what) : what_(std::move(what)) {}
  ~Tally() {
    std::printf("[ oracle   ] %s: %d compared, %d differing\n", what_.c_str(), compared_, differing_);
  }
  Tally(const Tally&) = delete;
  Tally& operator=(const Tally&) = delete;

  void Compare(const std::string& the_case, const Image& ours, const Image& gdi) {
    ++compared_;
    const bool same_size = ours.Width() == gdi.Width() && ours.Height() == gdi.Height();
    const auto found = same_size ? Differences(ours, gdi) : std::vector<std::string>{"sizes differ"};
    if (found.empty()) return;
    if (++differing_ > kReportedCases) return;
    std::ostringstream message;
    message << what_ << " " << the_case << ": " << found.size() << " pixels differ:";
    for (const auto& pixel : found) message << "\n  " << pixel;
    ADD_FAILURE() << message.str();
  }
  int Differing() const { return differing_; }

 private:
  std::string what_;
  int compared_ = 0;
  int differing_ = 0;
};

}  // namespace tarmaxion::win32::oracle
