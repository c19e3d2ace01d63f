#include "programs/win32-thumbnails/ModuleReferences.h"

namespace tarmaxion::thumbnails {
namespace {

std::atomic<long> module_references{0};

}  // namespace

void LockModule() { ++module_references; }
void UnlockModule() { --module_references; }
bool ModuleInUse() { return module_references.load() != 0; }

}  // namespace tarmaxion::thumbnails
