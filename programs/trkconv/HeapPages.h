// trkconv's heap in large pages where the system has them (see HeapPages.cpp).
#pragma once

namespace tarmaxion::cli {

// Call once, before the images: later blocks come from a heap the kernel may back with 2 MiB
// pages.
void PreferLargeHeapPages();

}  // namespace tarmaxion::cli
