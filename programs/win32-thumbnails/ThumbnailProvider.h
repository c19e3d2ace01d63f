// The thumbnail handler's COM object: Explorer hands it a track through IInitializeWithStream
// (never a path) and asks IThumbnailProvider for a bitmap of its map.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <propsys.h>
#include <thumbcache.h>

#include <cstdint>
#include <vector>

#include "programs/win32-thumbnails/ModuleReferences.h"

namespace tarmaxion::thumbnails {

class ThumbnailProvider final : public IInitializeWithStream, public IThumbnailProvider {
 public:
  ThumbnailProvider() = default;

  IFACEMETHODIMP QueryInterface(REFIID interface_id, void** object) override;
  IFACEMETHODIMP_(ULONG) AddRef() override;
  IFACEMETHODIMP_(ULONG) Release() override;

  // Reads the whole track from the stream, at most a track's largest size, and keeps no
  // reference to the stream.
  IFACEMETHODIMP Initialize(IStream* stream, DWORD mode) override;
  // A top-down 32-bit DIB section with opaque alpha, its longer side cx (or the whole map when
  // cx is larger); the caller owns it. A track that is refused or damaged gives no bitmap.
  IFACEMETHODIMP GetThumbnail(UINT cx, HBITMAP* bitmap, WTS_ALPHATYPE* alpha) override;

 private:
  ~ThumbnailProvider() = default;  // only Release deletes

  ObjectReferences references_;
  enum class State { kWaiting, kInitialised } state_ = State::kWaiting;
  std::vector<std::uint8_t> track_;
};

}  // namespace tarmaxion::thumbnails
