// The Windows Imaging Component for the calling thread: COM is started for as long as the
// session lives, and its imaging factory is released before COM is stopped again.
#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <wincodec.h>
#include <wrl/client.h>

namespace tarmaxion::cli {

class WicSession {
 public:
  WicSession();
  ~WicSession();
  WicSession(const WicSession&) = delete;
  WicSession& operator=(const WicSession&) = delete;

  // nullptr when this system offers no imaging factory.
  IWICImagingFactory* Factory() const { return factory_.Get(); }

 private:
  bool com_started_ = false;
  Microsoft::WRL::ComPtr<IWICImagingFactory> factory_;
};

}  // namespace tarmaxion::cli
