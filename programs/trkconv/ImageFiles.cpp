#include "programs/trkconv/ImageFiles.h"

#include <algorithm>
#include <cctype>

#include "base/LittleEndian.h"
#include "base/NativePath.h"

namespace tarmaxion::cli {
namespace {

constexpr std::uint32_t kBmpHeaderSize = 14 + 40;

}  // namespace

std::optional<ImageFormat> FormatForName(std::string_view path) {
  auto extension = Utf8Path(NativePath(path).extension());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  if (extension.empty() || extension == ".png") return ImageFormat::kPng;
  if (extension == ".bmp") return ImageFormat::kBmp;
  return std::nullopt;
}

std::vector<std::uint8_t> EncodeBmp(const Image& image) {
  const auto width = static_cast<std::uint32_t>(image.Width());
  const auto height = static_cast<std::uint32_t>(image.Height());
  const std::uint32_t row_size = (3 * width + 3) / 4 * 4;
  const std::uint32_t pixel_size = row_size * height;
  std::vector<std::uint8_t> bytes(kBmpHeaderSize + pixel_size, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  WriteU32(bytes, 2, kBmpHeaderSize + pixel_size);  // file size
  WriteU32(bytes, 10, kBmpHeaderSize);              // pixel offset
  WriteU32(bytes, 14, 40);                          // info header size
  WriteU32(bytes, 18, width);
  WriteU32(bytes, 22, height);  // positive: bottom-up rows
  WriteU16(bytes, 26, 1);       // planes
  WriteU16(bytes, 28, 24);      // bits per pixel; compression 0 is BI_RGB
  WriteU32(bytes, 34, pixel_size);
  for (int y = 0; y < image.Height(); ++y) {
    auto at = kBmpHeaderSize + static_cast<std::size_t>(image.Height() - 1 - y) * row_size;
    const Colour* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
      const Colour c = row[x];
      bytes[at++] = BlueOf(c);
      bytes[at++] = GreenOf(c);
      bytes[at++] = RedOf(c);
    }
  }
  return bytes;
}

}  // namespace tarmaxion::cli
