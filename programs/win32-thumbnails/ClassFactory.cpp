#include "programs/win32-thumbnails/ClassFactory.h"

#include <new>

#include "programs/win32-thumbnails/ThumbnailProvider.h"

namespace tarmaxion::thumbnails {

IFACEMETHODIMP ClassFactory::QueryInterface(REFIID interface_id, void** object) {
  if (object == nullptr) return E_POINTER;
  if (!IsEqualIID(interface_id, __uuidof(IUnknown)) && !IsEqualIID(interface_id, __uuidof(IClassFactory))) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IClassFactory*>(this);
  AddRef();
  return S_OK;
}

IFACEMETHODIMP_(ULONG) ClassFactory::AddRef() { return references_.Add(); }

IFACEMETHODIMP_(ULONG) ClassFactory::Release() {
  const ULONG left = references_.Drop();
  if (left == 0) delete this;
  return left;
}

IFACEMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID interface_id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  return HandOut(new (std::nothrow) ThumbnailProvider, interface_id, object);
}

IFACEMETHODIMP ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    LockModule();
  } else {
    UnlockModule();
  }
  return S_OK;
}

}  // namespace tarmaxion::thumbnails
