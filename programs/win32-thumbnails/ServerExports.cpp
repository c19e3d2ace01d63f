// The two entry points COM calls in an in-process server. Registration is the installer's
// work, so the DLL exports no DllRegisterServer.
#include <windows.h>
#include <objbase.h>

#include <new>

#include "programs/win32-thumbnails/ClassFactory.h"
#include "programs/win32-thumbnails/ModuleReferences.h"

using tarmaxion::thumbnails::ClassFactory;

STDAPI DllGetClassObject(REFCLSID class_id, REFIID interface_id, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  CLSID ours{};
  if (FAILED(CLSIDFromString(TARMAXION_THUMBNAIL_CLSID, &ours)) || !IsEqualCLSID(class_id, ours)) {
    return CLASS_E_CLASSNOTAVAILABLE;
  }
  return tarmaxion::thumbnails::HandOut(new (std::nothrow) ClassFactory, interface_id, object);
}

STDAPI DllCanUnloadNow() { return tarmaxion::thumbnails::ModuleInUse() ? S_FALSE : S_OK; }
