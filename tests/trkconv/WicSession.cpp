#include "tests/trkconv/WicSession.h"

namespace tarmaxion::cli {

WicSession::WicSession() {
  // A thread that already runs COM in the other apartment model keeps it; the factory works in
  // either, so only a COM this session started is stopped again.
  com_started_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
  CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory_));
}

WicSession::~WicSession() {
  factory_.Reset();
  if (com_started_) CoUninitialize();
}

}  // namespace tarmaxion::cli
