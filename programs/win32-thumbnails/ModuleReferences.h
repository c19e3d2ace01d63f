// The DLL may be unloaded only while none of its COM objects lives and no client holds a lock
// on its server (DllCanUnloadNow). COM asks the module, not an object, so this count is the
// DLL's one piece of process-wide state.
#pragma once

#include <windows.h>

#include <atomic>

namespace tarmaxion::thumbnails {

void LockModule();
void UnlockModule();
bool ModuleInUse();

// The reference count of one COM object; while the object lives it keeps the module locked.
class ObjectReferences {
 public:
  ObjectReferences() { LockModule(); }
  ~ObjectReferences() { UnlockModule(); }
  ObjectReferences(const ObjectReferences&) = delete;
  ObjectReferences& operator=(const ObjectReferences&) = delete;

  // Both return the count after the change; the object deletes itself when Drop gives 0.
  ULONG Add() { return ++count_; }
  ULONG Drop() { return --count_; }

 private:
  std::atomic<ULONG> count_{1};  // the creator's reference
};

}  // namespace tarmaxion::thumbnails
