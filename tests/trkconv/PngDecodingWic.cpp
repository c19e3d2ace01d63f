#include "tests/trkconv/ImageDecoding.h"

#include "tests/trkconv/WicSession.h"

namespace tarmaxion::testing {

using Microsoft::WRL::ComPtr;

std::optional<Image> DecodePng(const std::vector<std::uint8_t>& bytes) {
  const cli::WicSession wic;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICBitmapSource> bgr;
  UINT width = 0;
  UINT height = 0;
  // InitializeFromMemory only reads the bytes, whatever its signature says.
  auto* data = const_cast<BYTE*>(bytes.data());
  if (wic.Factory() == nullptr || FAILED(wic.Factory()->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(data, static_cast<DWORD>(bytes.size()))) ||
      FAILED(wic.Factory()->CreateDecoder(GUID_ContainerFormatPng, nullptr, &decoder)) ||
      FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
      FAILED(decoder->GetFrame(0, &frame)) ||
      FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.Get(), &bgr)) ||
      FAILED(bgr->GetSize(&width, &height))) {
    return std::nullopt;
  }
  // Four bytes a pixel: every decoder converts its palette and RGB formats to BGRA.
  const UINT stride = 4 * width;
  std::vector<BYTE> rows(static_cast<std::size_t>(stride) * height);
  if (FAILED(bgr->CopyPixels(nullptr, stride, static_cast<UINT>(rows.size()), rows.data()))) return std::nullopt;
  Image image(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < image.Height(); ++y) {
    auto at = static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < image.Width(); ++x, at += 4) image.Set(x, y, Rgb(rows[at + 2], rows[at + 1], rows[at]));
  }
  return image;
}

}  // namespace tarmaxion::testing
