// The class object that DllGetClassObject hands out: it makes thumbnail providers and locks the
// server for clients that ask it to.
#pragma once

#include <windows.h>
#include <objbase.h>

#include "programs/win32-thumbnails/ModuleReferences.h"

namespace tarmaxion::thumbnails {

class ClassFactory final : public IClassFactory {
 public:
  ClassFactory() = default;

  IFACEMETHODIMP QueryInterface(REFIID interface_id, void** object) override;
  IFACEMETHODIMP_(ULONG) AddRef() override;
  IFACEMETHODIMP_(ULONG) Release() override;

  IFACEMETHODIMP CreateInstance(IUnknown* outer, REFIID interface_id, void** object) override;
  IFACEMETHODIMP LockServer(BOOL lock) override;

 private:
  ~ClassFactory() = default;  // only Release deletes

  ObjectReferences references_;
};

// Hands out a new object through its interface interface_id, and drops the creator's
// reference, so the object lives exactly as long as the caller holds it.
template <typename Object>
HRESULT HandOut(Object* object, REFIID interface_id, void** result) {
  if (object == nullptr) return E_OUTOFMEMORY;
  const HRESULT answer = object->QueryInterface(interface_id, result);
  object->Release();
  return answer;
}

}  // namespace tarmaxion::thumbnails
