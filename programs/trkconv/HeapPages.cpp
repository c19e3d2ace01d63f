// A thumbnailer starts trkconv once per file, and each run touches about two megabytes of fresh
// memory: the track, the map, its thumbnail, the PNG buffers. In 4 KiB pages that is some 500
// page faults, which on a virtual machine cost more than drawing the map; in 2 MiB pages it is
// a handful. So every block comes from the heap (none gets a mapping of its own), the heap keeps
// what is freed for the next track of a batch, and its first reserve is marked for large pages
// before anything touches it. Where glibc or the kernel cannot, nothing changes.
#include "programs/trkconv/HeapPages.h"

#include <sys/mman.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cstdint>
#include <cstdlib>

namespace tarmaxion::cli {

void PreferLargeHeapPages() {
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  constexpr int kReserve = 16 << 20;
  // glibc takes at most 32 MiB for either threshold.
  mallopt(M_MMAP_THRESHOLD, 2 * kReserve);
  mallopt(M_TRIM_THRESHOLD, 2 * kReserve);
  void* reserve = std::malloc(kReserve);
  if (reserve == nullptr) return;
  // Only whole large pages inside the reserve: malloc has written its bookkeeping at both ends.
  const auto start = reinterpret_cast<std::uintptr_t>(reserve);
  const auto first = (start + kLargePage - 1) & ~(kLargePage - 1);
  const auto last = (start + kReserve) & ~(kLargePage - 1);
  madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
  std::free(reserve);
  // The small pages before the first large one stay out of use, untouched, so that the blocks
  // to come start in large pages. (malloc's own header fills the difference.)
  static void* before_first_large_page = first - start > 8 ? std::malloc(first - start - 8) : nullptr;
  (void)before_first_large_page;
#endif
}

}  // namespace tarmaxion::cli
