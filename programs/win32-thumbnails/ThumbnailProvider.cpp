#include "programs/win32-thumbnails/ThumbnailProvider.h"

#include <algorithm>
#include <climits>
#include <new>
#include <utility>

#include "api/Thumbnail.h"
#include "api/TrackMessages.h"
#include "programs/win32-thumbnails/SpareTrackApi.h"
#include "system/win32/DibPixels.h"

namespace tarmaxion::thumbnails {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// The whole stream into bytes. A stream that says it is larger than any track is refused before
// anything is read. Reading asks for one byte more than the stream says it has (or than any track
// has, when it does not say), so a stream that gives more than it should is refused too.
HRESULT ReadTrack(IStream& stream, std::vector<std::uint8_t>& bytes) {
  STATSTG status{};
  const bool sized = SUCCEEDED(stream.Stat(&status, STATFLAG_NONAME));
  if (sized && status.cbSize.QuadPart > kMaxTrackFileSize) return HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE);
  const std::size_t limit = (sized ? static_cast<std::size_t>(status.cbSize.QuadPart) : kMaxTrackFileSize) + 1;
  bytes.resize(limit);
  std::size_t total = 0;
  while (total < limit) {
    const auto wanted = static_cast<ULONG>(limit - total);
    ULONG got = 0;
    const HRESULT result = stream.Read(bytes.data() + total, wanted, &got);
    if (FAILED(result)) return result;
    if (got == 0) break;
    total += std::min(got, wanted);
  }
  if (total == limit) return sized ? E_UNEXPECTED : HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE);
  bytes.resize(total);
  return S_OK;
}

HRESULT ResultOf(TrackOutcome outcome) {
  return outcome == TrackOutcome::kTooLarge ? HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE)
                                            : HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
}

HBITMAP BitmapOf(const Image& image) {
  const auto info = win32::TopDown32BitInfo(image.Width(), image.Height());
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  // Rows of 32-bit pixels have no padding, so the image's rows follow each other as they do.
  auto* pixel = static_cast<std::uint32_t*>(bits);
  for (const Colour colour : image.Pixels()) *pixel++ = kOpaque | win32::SwapRedBlue(colour);
  return bitmap;
}

}  // namespace

IFACEMETHODIMP ThumbnailProvider::QueryInterface(REFIID interface_id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (IsEqualIID(interface_id, __uuidof(IUnknown)) || IsEqualIID(interface_id, __uuidof(IInitializeWithStream))) {
    *object = static_cast<IInitializeWithStream*>(this);
  } else if (IsEqualIID(interface_id, __uuidof(IThumbnailProvider))) {
    *object = static_cast<IThumbnailProvider*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

IFACEMETHODIMP_(ULONG) ThumbnailProvider::AddRef() { return references_.Add(); }

IFACEMETHODIMP_(ULONG) ThumbnailProvider::Release() {
  const ULONG left = references_.Drop();
  if (left == 0) delete this;
  return left;
}

IFACEMETHODIMP ThumbnailProvider::Initialize(IStream* stream, DWORD) {
  if (stream == nullptr) return E_POINTER;
  if (state_ != State::kWaiting) return HRESULT_FROM_WIN32(ERROR_ALREADY_INITIALIZED);
  try {
    const HRESULT result = ReadTrack(*stream, track_);
    if (SUCCEEDED(result)) state_ = State::kInitialised;
    return result;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

IFACEMETHODIMP ThumbnailProvider::GetThumbnail(UINT cx, HBITMAP* bitmap, WTS_ALPHATYPE* alpha) {
  if (bitmap == nullptr || alpha == nullptr) return E_POINTER;
  *bitmap = nullptr;
  *alpha = WTSAT_UNKNOWN;
  if (cx == 0) return E_INVALIDARG;
  if (state_ != State::kInitialised) return E_UNEXPECTED;
  try {
    auto api = ModuleSpareApi().Borrow();
    const auto thumbnail = TrackThumbnail(*api, track_, static_cast<int>(std::min<UINT>(cx, INT_MAX)));
    ModuleSpareApi().Return(std::move(api));
    if (!thumbnail) return ResultOf(thumbnail.Failure());
    *bitmap = BitmapOf(*thumbnail);
    if (*bitmap == nullptr) return E_OUTOFMEMORY;
    *alpha = WTSAT_RGB;
    return S_OK;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace tarmaxion::thumbnails
