// PNG through the Windows Imaging Component's encoder, into a stream in memory.
#include "programs/trkconv/ImageFiles.h"

#include "programs/trkconv/windows/WicSession.h"

namespace tarmaxion::cli {
namespace {

using Microsoft::WRL::ComPtr;

// Rows of blue, green, red bytes from the top, each padded to four bytes.
std::vector<BYTE> Bgr24Rows(const Image& image, UINT stride) {
  std::vector<BYTE> bytes(static_cast<std::size_t>(stride) * static_cast<std::size_t>(image.Height()));
  for (int y = 0; y < image.Height(); ++y) {
    auto at = static_cast<std::size_t>(y) * stride;
    const Colour* row = image.Row(y);
    for (int x = 0; x < image.Width(); ++x) {
      bytes[at++] = BlueOf(row[x]);
      bytes[at++] = GreenOf(row[x]);
      bytes[at++] = RedOf(row[x]);
    }
  }
  return bytes;
}

bool WriteFrame(IWICBitmapEncoder& encoder, const Image& image) {
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IPropertyBag2> options;
  if (FAILED(encoder.CreateNewFrame(&frame, &options)) || FAILED(frame->Initialize(options.Get()))) {
    return false;
  }
  const auto width = static_cast<UINT>(image.Width());
  const auto height = static_cast<UINT>(image.Height());
  // The encoder may answer with another format it prefers; only ours matches the rows.
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetSize(width, height)) || FAILED(frame->SetPixelFormat(&format)) ||
      !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
    return false;
  }
  const UINT stride = (3 * width + 3) / 4 * 4;
  auto rows = Bgr24Rows(image, stride);
  return SUCCEEDED(frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data())) &&
         SUCCEEDED(frame->Commit());
}

std::optional<std::vector<std::uint8_t>> StreamContents(IStream& stream) {
  STATSTG stat{};
  LARGE_INTEGER start{};
  if (FAILED(stream.Stat(&stat, STATFLAG_NONAME)) || FAILED(stream.Seek(start, STREAM_SEEK_SET, nullptr))) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
  ULONG read = 0;
  if (FAILED(stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) || read != bytes.size()) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const Image& image) {
  const WicSession wic;
  ComPtr<IStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  if (wic.Factory() == nullptr || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
      FAILED(wic.Factory()->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      !WriteFrame(*encoder.Get(), image) || FAILED(encoder->Commit())) {
    return std::nullopt;
  }
  return StreamContents(*stream.Get());
}

}  // namespace tarmaxion::cli
